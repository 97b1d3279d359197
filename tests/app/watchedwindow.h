#pragma once
// The main window with its readers watched, for the connection and refresh
// tests: each reader call is noted by name; a reader can be made to leave
// vBuzy set, as a reader still running would, or be given work to do once.
#include "uACMainForm.h"

#include <QMap>
#include <QStringList>

#include <functional>
#include <utility>

class WatchedWindow : public TfrmACMain {
public:
    QStringList calls;
    QString busyReader;                          // this reader leaves vBuzy set
    QMap<QString, std::function<void()>> workOnce; // reader name -> work for its next call
    int farEndsGone = 0;

    void AircraftInfo() override { note("AircraftInfo"); }
    void AltitudeInfo() override { note("AltitudeInfo"); }
    void SpeedInfo() override { note("SpeedInfo"); }
    void HeadInfo() override { note("HeadInfo"); }
    void ElectInfo() override { note("ElectInfo"); }
    void ControlInfo() override { note("ControlInfo"); }
    void RadioInfo() override { note("RadioInfo"); }
    void FuelInfo() override { note("FuelInfo"); }
    void NavInfo() override { note("NavInfo"); }
    void APInfo() override { note("APInfo"); }
    void EngineInfoSel() override { note("EngineInfoSel"); }
    void EngineInfo1() override { note("EngineInfo1"); }
    void EngineInfo2() override { note("EngineInfo2"); }
    void EngineInfo3() override { note("EngineInfo3"); }
    void EngineInfo4() override { note("EngineInfo4"); }
    void FailInfo() override { note("FailInfo"); }

protected:
    void farEndGone() override
    {
        ++farEndsGone;
        TfrmACMain::farEndGone();
    }

private:
    void note(const char *name)
    {
        const QString reader = QString::fromLatin1(name);
        calls << reader;
        if (busyReader == reader)
            vBuzy = true;
        if (auto work = workOnce.take(reader))
            work();
    }
};
