// The failure annunciators, the doors, the zoom factor and the simulation
// rate: FailInfo. An annunciator that lights or goes out is announced with a
// pair of tones.
//
// Offsets read: 0x3367 doors; 0x0B6A electrical, 0x0B6B engine, 0x0B62
// hydraulics, 0x0B63 brake failures; 0x036C stall and 0x036D overspeed
// warnings; 0x0B73 vacuum failure; 0x3366 engine fire; 0x034A and 0x0348 ice;
// 0x02B2 zoom; 0x0C1A simulation rate.
// Controls set: the annunciators lElecF, lEngF, lHyd, lBrkF, lstall, lOS,
// lVacF, lFireG, lice; the door lamps ShapeD1..ShapeD8; lZoom; UpDown1 (and
// through it eSimRate).
#include "readerrun.h"

#include "adapters/panellabel.h"
#include "adapters/panelshape.h"
#include "adapters/updown.h"
#include "catalogue.h"
#include "readout/rules/failures.h"
#include "sound.h"

#include <functional>
#include <optional>

namespace {

// An annunciator's state is its background: silver with grey text while
// off, red with white text while on.
void lampOn(PanelLabel *lamp)
{
    lamp->SetColor(clRed);
    lamp->SetFontColor(clWhite);
    sound().beep(880, 200);
    sound().beep(440, 100);
}

void lampOff(PanelLabel *lamp)
{
    lamp->SetColor(clSilver);
    lamp->SetFontColor(clGray);
    sound().beep(440, 300);
    sound().beep(880, 200);
}

} // namespace

void TfrmACMain::FailInfo()
{
    ReaderRun run(*this, QStringLiteral("Scanning..."));

    // A value whose read failed is not the simulator's: what it shows stays
    // as it was (a failed read would otherwise put out a lit annunciator with
    // its tones, and light it again with more once the link recovers).
    const std::uint8_t doors = ReadByte(var::Doors);
    if (LastReadOk()) {
        PanelShape *lamps[] = {ShapeD1, ShapeD2, ShapeD3, ShapeD4, ShapeD5, ShapeD6, ShapeD7, ShapeD8};
        for (int door = 1; door <= 8; ++door)
            lamps[door - 1]->SetBrushColor(rules::doorOpen(doors, door) ? clRed : clSilver);
    }

    // The condition of an annunciator, or nothing when a read failed.
    using Condition = std::function<std::optional<bool>()>;
    auto byte = [this](const catalogue::Variable &v) -> Condition {
        return [this, &v]() -> std::optional<bool> {
            const bool set = ReadByte(v) != 0;
            return LastReadOk() ? std::optional(set) : std::nullopt;
        };
    };
    const Condition ice = [this]() -> std::optional<bool> {
        const bool first = ReadWord(var::Ice1) != 0;
        if (!LastReadOk())
            return std::nullopt;
        const bool second = ReadWord(var::Ice2) != 0;
        return LastReadOk() ? std::optional(first || second) : std::nullopt;
    };
    const std::pair<PanelLabel *, Condition> annunciators[] = {
        {lElecF, byte(var::ElectricalFailure)}, {lEngF, byte(var::EngineFailure)},
        {lHyd, byte(var::HydraulicsFailure)},   {lBrkF, byte(var::BrakeFailure)},
        {lstall, byte(var::StallWarning)},      {lOS, byte(var::OverspeedWarning)},
        {lVacF, byte(var::VacuumFailure)},      {lFireG, byte(var::EngineFire)},
        {lice, ice},
    };
    for (const auto &[lamp, condition] : annunciators) {
        const std::optional<bool> present = condition();
        if (present == true && lamp->Color() == clSilver) {
            lampOn(lamp);
            continue;
        }
        // The test that puts a lamp out reads its condition afresh.
        const std::optional<bool> again = condition();
        if (again == false && lamp->Color() == clRed)
            lampOff(lamp);
    }

    const std::uint16_t zoom = ReadWord(var::ZoomFactor);
    if (LastReadOk())
        lZoom->SetCaption(QString::number(rules::zoomShown(zoom)));
    const std::int16_t rate = ReadSmlInt(var::SimulationRate);
    if (LastReadOk())
        UpDown1->SetPosition(rules::simulationRateShown(rate));
}
