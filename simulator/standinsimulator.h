#pragma once
// The stand-in simulator as a far end of the link: its core served by a link
// window (see linkwindow.h), which "fault close" takes down. Usable in the
// process of a test or benchmark as well as by the veltrano-sim program.
#include "linkwindow.h"
#include "simulatorcore.h"

#include <memory>
#include <mutex>
#include <optional>
#include <string>

class StandInSimulator {
public:
    StandInSimulator() = default;
    ~StandInSimulator();
    StandInSimulator(const StandInSimulator &) = delete;
    StandInSimulator &operator=(const StandInSimulator &) = delete;

    // Builds the simulator and registers its window. False, with the reason,
    // when already started or when the window cannot be created (a live far
    // end of that class exists, the endpoint folder is refused).
    bool start(const SimulatorOptions &options, std::string *error = nullptr);
    // Destroys the window, so its endpoint goes, and the simulator with it;
    // safe to call at any time. A later start begins afresh.
    void stop();
    bool serving() const;

    // One command line, one answer line; "fault close" drops the window and
    // "fault none" brings it back.
    std::string command(std::string_view line);
    bool quitRequested() const;

    // See SimulatorCore::setTraceSink; may be set before start.
    void setTraceSink(SimulatorCore::TraceSink sink);
    // The running simulator, for in-process checks; null when stopped.
    SimulatorCore *core() { return m_core.get(); }

private:
    bool openWindow(std::string *error);
    void closeWindow();

    mutable std::mutex m_mutex; // start, stop and the window's life
    std::unique_ptr<SimulatorCore> m_core;
    SimulatorCore::TraceSink m_sink;
    LinkWindow m_window;
};
