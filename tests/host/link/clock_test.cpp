#include "link/clock.h"

#include <gtest/gtest.h>

#include <thread>

TEST(VirtualClock, RecordsWaitsOfEveryThreadAndAdvancesTimeWithoutBlocking) {
    ScopedVirtualClock clock;
    const int64_t start = nowMs();
    sleepMs(50);
    sleepMs(0);
    sleepMs(250);
    EXPECT_EQ(nowMs() - start, 300);
    EXPECT_EQ(clock.waits(), (std::vector<int>{50, 0, 250}));
    EXPECT_EQ(clock.totalWaited(), 300);

    clock.advance(7);  // time on the bus is not a wait
    EXPECT_EQ(nowMs() - start, 307);
    EXPECT_EQ(clock.totalWaited(), 300);

    clock.clearRecord();  // waits of several threads all count
    std::thread worker([] {
        for (int i = 0; i < 100; ++i) {
            sleepMs(10);
        }
    });
    for (int i = 0; i < 100; ++i) {
        sleepMs(1);
    }
    worker.join();
    EXPECT_EQ(clock.waitCount(), 200);
    EXPECT_EQ(clock.totalWaited(), 1100);
}
