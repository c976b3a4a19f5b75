#include "link/ddc_link.h"

#include <cstring>

#include "link/display_interface.h"
#include "link/link_errors.h"

namespace {

constexpr int kFinalWaitMs = 50;
constexpr int kWaitStepMs = 50;

// Checks a reply capacity taken from `replyLength` before anything happens.
int checkCapacity(int capacity) {
    if (capacity > kMaxPayload) {
        return kErrTooLong;
    }
    if (capacity <= 0) {
        return kErrLength;
    }
    return 0;
}

}  // namespace

DdcLink::DdcLink(int interfaceIndex, int transferParameter, int interfaceSelector)
    : interfaceSelector_(interfaceSelector),
      transport_(
          std::make_unique<BusTransport>(interfaceIndex, transferParameter, interfaceSelector)) {
    (void)transport_->open();
}

DdcLink::~DdcLink() = default;

int DdcLink::exchangeWrite(const uint8_t* request, int length, int waitMs) {
    if (length > kMaxPayload) {
        return kErrTooLong;
    }
    const int acquired = transport_->acquire();
    if (acquired != 0) {
        return acquired;
    }
    int result = 0;
    for (int attempt = 0; attempt <= retryCount_; ++attempt) {
        result = transport_->writeFrame(request, length);
        if (result >= 0) {
            result = 0;
            break;
        }
        if (result == kLibraryCannotCarry) {
            break;
        }
    }
    transport_->release();
    if (result != kLibraryCannotCarry) {
        transport_->sleep(waitMs);
    }
    return result;
}

int DdcLink::exchangeWriteRead(const uint8_t* request, int length, uint8_t* reply, int& replyLength,
                               bool nullIsError, int baseWaitMs) {
    const int capacity = replyLength;
    if (length > kMaxPayload) {
        return kErrTooLong;
    }
    if (length <= 0) {
        return kErrLength;
    }
    if (const int bad = checkCapacity(capacity); bad != 0) {
        return bad;
    }
    replyLength = 0;

    int result = transport_->acquire();
    if (result == 0) {
        uint8_t work[kMaxPayload];
        for (int attempt = 0; attempt <= retryCount_; ++attempt) {
            const int wait = baseWaitMs + kWaitStepMs * attempt;
            result = transport_->writeFrame(request, length);
            if (result == kLibraryCannotCarry) {
                break;
            }
            if (result >= 0) {
                transport_->sleep(wait);
                const int received = transport_->readFrame(work, capacity);
                if (received > 0) {
                    std::memcpy(reply, work, static_cast<size_t>(received));
                    replyLength = received;
                    result = 0;
                    break;
                }
                if (received == 0 && !nullIsError) {
                    result = 0;
                    break;
                }
                result = received == 0 ? kNullReply : received;
            }
            transport_->sleep(wait);
        }
        transport_->release();
        if (result != kLibraryCannotCarry) {
            transport_->sleep(kFinalWaitMs);
        }
    }
    return result == kNullReply ? kErrNoData : result;
}

int DdcLink::exchangeRead(uint8_t* reply, int& replyLength, int waitMs) {
    const int capacity = replyLength;
    if (const int bad = checkCapacity(capacity); bad != 0) {
        return bad;
    }
    replyLength = 0;
    const int acquired = transport_->acquire();
    if (acquired != 0) {
        return acquired;
    }
    uint8_t work[kMaxPayload];
    int result = 0;
    for (int attempt = 0; attempt <= retryCount_; ++attempt) {
        const int received = transport_->readFrame(work, capacity);
        if (received >= 0) {
            if (received > 0) {
                std::memcpy(reply, work, static_cast<size_t>(received));
            }
            replyLength = received;
            result = 0;
            break;
        }
        result = received;
    }
    transport_->release();
    transport_->sleep(waitMs);
    return result;
}

void DdcLink::adoptLibraryTiming() {
    transport_->setLibraryCarriesWaits(
        libraryCarriesWholeTransactions(transport_->interfaceIndex()));
}

int DdcLink::probe() {
    const int acquired = transport_->acquire();
    if (acquired != 0) {
        return acquired;
    }
    return transport_->release();
}
