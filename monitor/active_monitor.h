// ActiveMonitor: the one object through which the user interface reads and
// writes the selected monitor. It owns the command set of the monitor's
// display interface, the identity read from its EDID, its parsed
// capabilities, the last timing report and the control table; it applies
// every per-model rule of the model table. Panels read values, maxima and
// availability from it and write through it; none touches the bus itself.
//
// Results are integers: 0 done, -1 monitor not open or a failed bus
// command, -2 a feature without a control-table entry, -3 a bad colour
// index; availabilities are 0 (no such control: hide it), 1 (exists but
// not usable now: show it disabled) and 2 (usable).
//
// Threads: openMonitor runs on the open worker while the user interface
// leaves the object alone; everything else runs on the user-interface
// thread. The full read and each refresh poll the shell's abort flag.
// Portable: no Windows headers.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "decode/capability_set.h"
#include "link/monitor_command_set.h"
#include "monitor/control_table.h"
#include "monitor/model_table.h"

struct MonitorIdentity {
    char vendorLetters[4] = {};
    char productCodeText[10] = {};
    char serialText[20] = {};
    char modelName[258] = {};
    uint32_t monitorId = 0;
    int32_t weekOfManufacture = 0;
    int32_t yearOfManufacture = 0;
    int32_t minHorizontalRate = 0;  // kHz
    int32_t minVerticalRate = 0;    // Hz
    int32_t maxHorizontalRate = 0;  // kHz
    int32_t maxVerticalRate = 0;    // Hz
    float horizontalFrequency = 0;  // kHz, from the timing report
    float verticalFrequency = 0;    // Hz
};

// What the application shell gives the monitor object.
struct MonitorHooks {
    // Set when the main window is destroyed: a running full read stops.
    const std::atomic<int>* abortFlag = nullptr;
    // (Re)starts the main window's deferred-save timer; called after every
    // successful write on models that store after each write.
    std::function<void()> armDeferredSave;
    // A string-table text in UTF-8 (preset labels); empty when unknown.
    std::function<std::string(int id)> loadString;
};

// Colour indices of the gain operations.
constexpr int kColourRed = 1;
constexpr int kColourGreen = 2;
constexpr int kColourBlue = 3;

constexpr int kPresetListPlaces = 20;

// One control as readControls reports it: its VCP code (page * 256 + code),
// its value in the program's terms and its maximum.
struct CodeReading {
    int code = 0;
    int value = 0;
    int maximum = 0;
};

// readCode's result when the monitor answered but holds no value for the
// code (it calls the code unsupported, reports maximum 0, or the code is a
// one-shot action, which is never read).
constexpr int kCodeWithoutValue = 1;
// writeCode's result for a control the model keeps fixed in the monitor's
// current preset (brightness, contrast, gains and colour temperature in the
// sRGB preset of the four-preset models); nothing is written.
constexpr int kCodeLocked = 2;

// String-table numbers of the preset labels.
constexpr int kStringPresetNumbered = 550;  // "色モード %i"
constexpr int kStringPresetSrgb = 551;
constexpr int kStringPresetNative = 552;
constexpr int kStringPresetVideo = 553;
constexpr int kStringPresetCustom = 554;

class ActiveMonitor final {
  public:
    explicit ActiveMonitor(int interfaceIndex);
    ~ActiveMonitor();

    ActiveMonitor(const ActiveMonitor&) = delete;
    ActiveMonitor& operator=(const ActiveMonitor&) = delete;

    void setHooks(MonitorHooks hooks) { hooks_ = std::move(hooks); }

    // The operations, in their fixed slot order. A reload in which three
    // tried reads in a row get no answer takes the monitor as unplugged: the
    // controls after them are marked as not answering without being tried,
    // the monitor is closed and the reload returns -1.
    virtual int controlToFeature(int index);                                // 1
    virtual int featureToControl(int feature);                              // 2
    virtual int writeVcp(int code, int value);                              // 3
    virtual int pulseVcp(int code);                                         // 4
    virtual const MonitorIdentity* identity();                              // 5
    virtual int value(int feature);                                         // 6
    virtual int maximum(int feature);                                       // 7
    virtual int minimum(int feature);                                       // 8
    virtual int complementValue(int feature);                               // 9
    virtual int degauss();                                                  // 10
    virtual int resetGeometry();                                            // 11
    virtual int resetColour();                                              // 12
    virtual int autoSetup();                                                // 13
    virtual int canAutoGeometry();                                          // 14
    virtual int autoGeometry();                                             // 15
    virtual int canDegauss();                                               // 16
    virtual int canFactoryReset();                                          // 17
    virtual int canResetColour();                                           // 18
    virtual int canResetGeometry();                                         // 19
    virtual int canAutoSetup();                                             // 20
    virtual int restoreFeature(int feature);                                // 21
    virtual int isFeatureChanged(int feature);                              // 22
    virtual int storeSettings();                                            // 23
    virtual int factoryReset();                                             // 24
    virtual int setValue(int feature, int value);                           // 25
    virtual int isOpen();                                                   // 26
    virtual int permille(int feature);                                      // 27
    virtual int clearControls();                                            // 28
    virtual int readAllControls();                                          // 29
    virtual int restoreAll();                                               // 30
    virtual int commitAll();                                                // 31
    virtual int anyModified();                                              // 32
    virtual int isModified(int feature);                                    // 33
    virtual int openMonitor(int interfaceIndex, bool fullLoad);             // 34
    virtual int presetCount();                                              // 35
    virtual int presetSwitchDelay();                                        // 36
    virtual int presetLabel(std::string& text, int kind);                   // 37
    virtual int gainMaximum(int colour);                                    // 38
    virtual int gainMinimum(int colour);                                    // 39
    virtual int setGain(int colour, int value);                             // 40
    virtual int gain(int colour);                                           // 41
    virtual int currentPreset();                                            // 42
    virtual int selectPreset(int value);                                    // 43
    virtual int gainPermille(int colour);                                   // 44
    virtual int reload(int colourOnly, bool newBaseline);                   // 45
    virtual int refreshControl(int index, bool newBaseline);                // 46
    virtual int readIdentity();                                             // 47
    virtual int isCodeSupported(int code);                                  // 48
    virtual int allGainsSupported();                                        // 49
    virtual int presetsStartAtOne();                                        // 50
    virtual int saveBeforePresetSwitch();                                   // 51
    virtual int brightnessContrastLocked();                                 // 52
    virtual int isSrgbActive();                                             // 53
    virtual int isNativeActive();                                           // 54
    virtual int savesAfterEachWrite();                                      // 55
    virtual int usesVendorSave();                                           // 56
    virtual int hasFourPresets();                                           // 57
    virtual int usesPictureModeCode();                                      // 58
    virtual int isActionCode(int code);                                     // 59
    virtual int readTimingReport();                                         // 60
    virtual int readStatusByte();                                           // 61
    virtual int currentPresetPosition();                                    // 62
    virtual int presetLabelAt(std::string& text, int position);             // 63
    virtual int selectPresetAt(int position);                               // 64
    virtual int presetListSize();                                           // 65
    virtual int presetAt(int position);                                     // 66
    virtual int presetPosition(int value);                                  // 67
    virtual int buildPresetList();                                          // 68
    virtual int driverName(std::string& text);                              // 69
    virtual int modelTimeout();                                             // 70
    virtual int hasGeometry();                                              // 71
    virtual int defaultBrightnessContrast(int& brightness, int& contrast);  // 72
    virtual int resetBrightnessContrast();                                  // 73
    virtual int canResetBrightnessContrast();                               // 74
    virtual int loadCapabilities();                                         // 75
    virtual int isUnlistedModel();                                          // 76
    virtual int isColourCodeReadable(int code);                             // 77
    virtual int nudgesAfterPresetSwitch();                                  // 78
    virtual int featureAvailability(int feature);                           // 79
    virtual int controlAvailability(int index);                             // 80
    virtual int colourTemperatureAvailability();                            // 81
    virtual int brightnessAvailability();                                   // 82
    virtual int contrastAvailability();                                     // 83
    virtual int gainAvailability();                                         // 84
    virtual int hueAvailability();                                          // 85
    virtual int saturationAvailability();                                   // 86
    virtual int blackLevelAvailability();                                   // 87
    virtual int windowModeAvailability();                                   // 88
    virtual int followsCapabilities();                                      // 89
    virtual int isInverted(int feature);                                    // 90
    virtual int colourTemperatureBase();                                    // 91
    virtual int colourTemperatureStep();                                    // 92
    virtual int displayTechnology();                                        // 93
    virtual int colourTemperatureMaximum();                                 // 94
    virtual int colourTemperature();                                        // 95
    virtual int setColourTemperature(int value);                            // 96
    virtual int isColourTemperatureModified();                              // 97

    // Beyond the fixed slots: what the colour page needs to keep the user's
    // colour changes across a re-read.

    // Re-reads the values and maxima of the colour entries (as a colour-only
    // reload does) but keeps every entry's baseline and modified flag, so a
    // change made before still counts for OK, Cancel and Undo. -1 when not
    // open, else 0.
    int rereadColours();
    // Writes window-area mode `mode` (FeatureId 95) and re-reads the colour
    // entries with new baselines, as the mode brings its own colour values,
    // but keeps the mode entry's own baseline and marks it changed, so OK
    // stores the mode and Cancel puts the old one back. 0, or -1 when not
    // open, the mode is missing or the write failed (nothing re-read then).
    int selectWindowMode(int mode);
    // 1 when a control is changed (anyModified), or when a change was taken
    // over as a new baseline since the monitor last stored: a preset switch,
    // a colour reset or a window-mode switch reads the colour values back as
    // new baselines, so a change made before it no longer counts as modified,
    // yet the monitor holds it unstored. OK and a monitor switch store on
    // this. 0 otherwise, also when not open.
    int hasUnstoredChanges();
    // 1 when the colour-temperature entry that setColourTemperature writes
    // (the request code's when the monitor lists it) was written and differs
    // from its baseline; 0 otherwise, also when not open.
    int isColourTemperatureChanged();
    // Writes that entry's baseline back: 0, or -1 when not open, never read
    // or the write failed.
    int restoreColourTemperature();

    // Beyond the fixed slots: single controls addressed by VCP code (page *
    // 256 + code), for scripts. They work on a monitor opened for its
    // identity only (openMonitor(index, false)) as well as on an open one and
    // talk to the codes asked for only, so a request costs a few exchanges
    // instead of a full read. Values are in the program's terms: a black
    // level the model counts downwards reads and writes counted upwards.

    // Reads one control: 0 with `value` and `maximum`, kCodeWithoutValue, or
    // the link's (or library's) negative error. Outputs only on 0.
    [[nodiscard]] int readCode(int code, int& value, int& maximum);
    // Writes one control with the model's rules (the waits after a write; a
    // preset switch stores first, waits and nudges as the model needs; a
    // control locked in the current preset is not written); `maximum` is
    // the one readCode gave. 0, kCodeLocked or the link's negative error.
    [[nodiscard]] int writeCode(int code, int value, int maximum);
    // Ends a run of writeCode calls: stores the settings the way this model
    // stores them (as sendStore below) when `store` is asked, and on models
    // that store every change even when not. 0, or the MCCS save's link
    // error (the vendor sequence's answers are not checked).
    [[nodiscard]] int finishWrites(bool store);
    // Every control of the open monitor that holds a value, in the order in
    // which writing them back restores the monitor: the preset selectors
    // first (a preset recalls gains and more), the other read entries of the
    // control table in table order, then the paged vendor codes its
    // capabilities list, read now (those without a value are left out).
    // 0, -1 when not open, or the link error of a paged read, whose code is
    // then in `failedCode`.
    [[nodiscard]] int readControls(std::vector<CodeReading>& readings, int& failedCode);

    // For the owner and tests: state the operations above do not expose.
    [[nodiscard]] const MonitorIdentity& identityFields() const { return identity_; }
    [[nodiscard]] const ControlEntry& control(int index) const { return controls_[index]; }
    [[nodiscard]] const CapabilitySet& capabilities() const { return capabilities_; }
    [[nodiscard]] int capabilitiesLoaded() const { return capabilitiesLoaded_; }
    [[nodiscard]] int interfaceIndex() const { return interfaceIndex_; }
    [[nodiscard]] int statusByte() const { return statusByte_; }
    [[nodiscard]] const uint8_t* timingFlags() const { return timingFlags_; }
    [[nodiscard]] int digitalInput() const { return digitalInput_; }
    [[nodiscard]] int anyValueRead() const { return anyValueRead_; }
    // Reads of the last full read that got no answer at all (not those the
    // monitor answered as unsupported): a table read with failures is
    // incomplete.
    [[nodiscard]] int readFailures() const { return readFailures_; }

  private:
    [[nodiscard]] const ModelRow& model() const { return *model_; }
    [[nodiscard]] bool aborted() const;
    // The entry of `feature` of an open monitor: 0, or -1 (not open) or -2
    // (no control-table place, or one without a bus code) with `entry`
    // untouched.
    [[nodiscard]] int findEntry(int feature, ControlEntry*& entry);
    // Writes `value` to the entry's control; on success it becomes the
    // current value, marked modified. 0 or -1.
    [[nodiscard]] int writeEntry(ControlEntry& entry, int value);
    // A Get VCP is good when the call succeeded, the monitor did not call the
    // code unsupported and the maximum is above 0. A well-formed answer with
    // maximum 0 has no value, yet still shows that the monitor knows the code.
    enum class ReadOutcome { Good, NoValue, Unsupported, Failed };
    [[nodiscard]] ReadOutcome readControl(int code, int& current, int& maximum,
                                          int* linkResult = nullptr);
    // What a refresh did with the bus: no read, a read the monitor
    // answered (supported or not), or a read without an answer.
    enum class RefreshRead { NotTried, Answered, Failed };
    // refreshControl, telling the caller what the read found.
    [[nodiscard]] int refreshEntry(int index, bool newBaseline, RefreshRead& read);
    // Set VCP with the post-write rules of writeVcp; the link's result.
    [[nodiscard]] int sendVcp(int code, int value);
    // A preset switch (VCP 0x14, or the picture mode on the models that use
    // it) with the steps around it that the model needs; the link's result.
    [[nodiscard]] int switchPreset(int code, int value);
    // The store command of this model: the vendor sequence, or the MCCS
    // save for other models and where the library cannot carry the vendor
    // queries. 0, or the MCCS save's link error (the vendor queries'
    // answers are not checked).
    [[nodiscard]] int sendStore();
    // Whether the control of `code` is a black level this model counts
    // downwards.
    [[nodiscard]] bool codeInverted(int code);
    [[nodiscard]] std::string text(int id) const;
    [[nodiscard]] std::string numberedPreset(int number) const;
    [[nodiscard]] bool presetValuesFromCapabilities() const;
    [[nodiscard]] int colourTemperatureIndex() const;
    [[nodiscard]] int modelPresetAvailability();
    [[nodiscard]] int capabilityColourAvailability(int code, int index);
    [[nodiscard]] int actionThenReload(bool available, int code, bool colourOnly);
    // A degauss returns at once, but the monitor refuses messages until it
    // is done: storing or putting values back waits for that first, so OK or
    // Cancel pressed right after a degauss does not lose the settings.
    void waitForDegaussToEnd();
    // Four-preset models fix brightness, contrast, gains and colour
    // temperature in their sRGB preset, 4.
    static constexpr int kLockedFourPreset = 4;
    [[nodiscard]] bool inLockedFourPreset() const;
    [[nodiscard]] static bool lockedByFourPreset(int index);
    void applyFourPresetRule();
    void clearIdentity();
    void setIdentityModel();

    // Fields in the object's declared order.
    std::unique_ptr<MonitorCommandSet> commandChannel_;
    ControlEntry controls_[kControlCount];
    int32_t factoryResetAvailable_ = 0;
    int32_t anyValueRead_ = 0;
    int32_t degaussAvailable_ = 0;
    int64_t degaussEndsAtMs_ = 0;     // when the last degauss is over (nowMs)
    bool rebasedSinceStore_ = false;  // a change became a baseline unstored
    int32_t geometryResetAvailable_ = 0;
    int32_t autoSetupAvailable_ = 0;
    int32_t autoGeometryAvailable_ = 0;
    MonitorIdentity* identityPointer_;
    MonitorIdentity identity_;
    int32_t statusByte_ = -1;
    uint8_t timingFlags_[4] = {};
    int32_t digitalInput_ = 0;
    int32_t interfaceIndex_ = -1;
    int32_t open_ = 0;
    int32_t presetList_[kPresetListPlaces];
    int32_t capabilitiesLoaded_ = 0;
    CapabilitySet capabilities_;

    const ModelRow* model_;
    MonitorHooks hooks_;
    int readFailures_ = 0;
};

// The capabilities string used in place of the replacement model's own
// when its firmware reports version 3.0.0.
extern const char kReplacementCapabilities[];
