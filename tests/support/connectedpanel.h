#pragma once
// The panel connected to veltrano-sim, as a user has it a moment after
// starting it: the window made and activated, the initial pass done. The
// refresh is stopped (the pause button reads "G&o", so no write starts it
// again) and refresh tests run ticks themselves. The simulator traces every
// write; takeWrites() hands them over decoded. One window and one simulator
// per test: put a table of cases into one test.
#include "catalogue_variable.h"
#include "fakedialogs.h"
#include "fakesound.h"
#include "qtprinters.h"
#include "simprocess.h"
#include "simwrites.h"
#include "uACMainForm.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

class ConnectedPanel : public ::testing::Test {
protected:
    void TearDown() override;

    // Starts the simulator with these options (e.g. {"--aircraft", "baron"})
    // and connects a new window to it. Returns false (with a test failure)
    // when either does not come up.
    bool connect(const QStringList &simOptions = {});

    // The simulator's variables, through the catalogue's encodings.
    void set(const catalogue::Variable &v, std::int64_t value);
    void setFloat(const catalogue::Variable &v, double value);
    void setText(const catalogue::Variable &v, std::string_view text);
    std::int64_t get(const catalogue::Variable &v);
    double getFloat(const catalogue::Variable &v);
    std::string getText(const catalogue::Variable &v);

    // The panel's writes since the last call (or since connecting), in order.
    Writes takeWrites();

    // The status line (panel 3 of the status bar).
    QString status() const;

    // n refresh ticks, each as the refresh timer runs it; the refresh is
    // stopped again afterwards.
    void tick(int n = 1);
    // The refresh running ("&Pause") or stopped by the user ("G&o"), without
    // writing the simulation rate as the pause button would.
    void setRefreshRunning(bool running);

    // Lets queued events run (timers, posted events) for about ms.
    static void wait(int ms);

    SimProcess sim;
    FakeDialogs dialogs;
    FakeSound speaker;
    std::unique_ptr<TfrmACMain> panel;

protected:
    // The window connect() makes; a test may watch or steer it.
    virtual std::unique_ptr<TfrmACMain> makeWindow() { return std::make_unique<TfrmACMain>(); }

private:
    QByteArray read(const catalogue::Variable &v);
    void write(const catalogue::Variable &v, const QByteArray &bytes);
};
