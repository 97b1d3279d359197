// The flight instrument readers, run on every refresh tick. Reads Altitude,
// GroundAltitude, QnhPressure, OutsideAirTemperature, Kollsman (altitude);
// IndicatedAirspeed, TrueAirspeed, GroundSpeed, VerticalSpeed, BarberPole
// (speeds); MagneticVariation, Heading, GyroDrift, CompassHeading,
// WindDirection, WindSpeed, Latitude, Longitude, NearestAirport,
// NearestAirportElevation, NextWaypointEta, NextWaypointEte, DestinationEta,
// DestinationEte, NextWaypoint, DestinationAirport (heading, wind, position
// and route). Writes nothing.
// Owns stAlt, lgalt, ggalt, lPress, lPressScale, knbKollsman's range, position
// and colour, lkollsmanval, lPressDot, lOAT; lSpeed, agSpeed's needle and
// band top, ltas, lgs, stVS, ggVertSpeed, lbps; lMagVar, eHdg, knbDriftFix's
// colour, lCompass, lWinddir, eWinddir, lWindSpd, lLat, lLon, lNearAP,
// lNearAPAlt, lETANext, lETENext, lETADest, lETEDest, lNWPID, lDAPID.
#include "uACMainForm.h"

#include "adapters/bargauge.h"
#include "adapters/paneledit.h"
#include "adapters/panellabel.h"
#include "adapters/radiogroup.h"
#include "app/readerrun.h"
#include "catalogue.h"
#include "gauge/tanaloggauge.h"
#include "knob/tknob.h"
#include "readout/rules/instruments.h"

namespace {

QString number(std::int64_t v) { return QString::number(v); }

// The unit choices, read on every use.
bool millibars(const TfrmACMain &w) { return w.rgBaro->ItemIndex() == 1; }
bool celsius(const TfrmACMain &w) { return w.rgTemp->ItemIndex() == 1; }

void readQnh(TfrmACMain &w)
{
    const rules::QnhDisplay qnh = rules::qnhDisplay(w.ReadWord(var::QnhPressure), millibars(w));
    w.lPress->SetCaption(qnh.text);
    w.lPressScale->SetCaption(qnh.scale);
    // Grey: the altimeter is set to QNH.
    w.knbKollsman->SetColor(w.knbKollsman->Position() == qnh.knobPosition ? clGray : clOrange);
}

void readTemperatureAndAltimeter(TfrmACMain &w)
{
    const double oat = conv::celsius256ToCelsius(w.ReadSmlInt(var::OutsideAirTemperature));
    w.lOAT->SetCaption(QStringLiteral("OAT:") + number(conv::N(celsius(w) ? oat : conv::celsiusToFahrenheit(oat))));

    const rules::KollsmanDisplay k = rules::kollsmanDisplay(w.ReadWord(var::Kollsman), millibars(w));
    w.knbKollsman->SetParams(k.position, k.min, k.max);
    w.lPressDot->setVisible(k.dot);
    w.lkollsmanval->SetCaption(number(w.knbKollsman->Position()));
}

QString duration(TfrmACMain &w, const char *prefix, const catalogue::Variable &seconds)
{
    return QLatin1String(prefix) + rules::durationText(w.ReadCard(seconds));
}

void readWindAndPosition(TfrmACMain &w)
{
    const std::int64_t windFrom = conv::N(conv::angle16ToDegrees(w.ReadWord(var::WindDirection)));
    w.lWinddir->SetCaption(number(windFrom));
    // The heading was just written as a whole number; keep the arrow if not.
    if (const auto heading = tryStrToInt(w.eHdg->Text()))
        w.eWinddir->SetText(number(*heading - windFrom));
    w.lWindSpd->SetCaption(number(w.ReadWord(var::WindSpeed)));
    w.lLat->SetCaption(QStringLiteral("Lat: ") +
                       QString::asprintf("%3.5f", conv::latitudeToDegrees(w.ReadInt64(var::Latitude))));
    w.lLon->SetCaption(QStringLiteral("Lon: ") +
                       QString::asprintf("%3.5f", conv::longitudeToDegrees(w.ReadInt64(var::Longitude))));
}

void readRoute(TfrmACMain &w)
{
    w.lNearAP->SetCaption(QStringLiteral("Nearest: ") + rules::fourCharacters(w.ReadCard(var::NearestAirport)));
    w.lNearAPAlt->SetCaption(QStringLiteral("Elevation: ") +
                             number(conv::T(w.ReadSingle(var::NearestAirportElevation))));
    w.lETANext->SetCaption(duration(w, "ETA:", var::NextWaypointEta));
    w.lETENext->SetCaption(duration(w, "ETE:", var::NextWaypointEte));
    w.lETADest->SetCaption(duration(w, "ETA:", var::DestinationEta));
    w.lETEDest->SetCaption(duration(w, "ETE:", var::DestinationEte));
    const std::string waypoint = w.ReadStr6(var::NextWaypoint);
    w.lNWPID->SetCaption(QString::fromLatin1(waypoint.data(), qsizetype(waypoint.size())));
    // The destination comes one character at a time.
    QByteArray destination;
    for (std::uint32_t i = 0; i < var::DestinationAirport.size; ++i)
        destination += static_cast<char>(w.ReadByte(var::DestinationAirport + i));
    w.lDAPID->SetCaption(rules::characterText(destination));
}

} // namespace

void TfrmACMain::AltitudeInfo()
{
    ReaderRun run(*this, QStringLiteral("Scanning..."));
    const std::int64_t altitude = conv::N(conv::altitudeToFeet(ReadInt64(var::Altitude)));
    // Only the low 4 of the 8 bytes fetched are the ground's.
    const auto ground32 = static_cast<std::int32_t>(ReadInt64(var::GroundAltitude) & 0xFFFFFFFF);
    const std::int64_t ground = conv::N(conv::metres256ToFeet(ground32));
    const std::int64_t aboveGround = altitude - ground;
    stAlt->SetCaption(number(altitude));
    lgalt->SetCaption(number(aboveGround));

    const rules::AltitudeBar bar =
        rules::altitudeBar(altitude, tryStrToInt(eServCeiling->Text()), ggalt->MaxValue());
    ggalt->SetMinValue(0);
    ggalt->SetMaxValue(bar.maxValue);
    ggalt->SetProgress(bar.progress);
    ggalt->SetForeColor(bar.low ? clRed : clBlue);
    stAlt->SetFontColor(bar.low ? clRed : clBlack);
    lgalt->SetFontColor(rules::closeToGround(aboveGround) ? clRed : clBlack);

    if (vInProc == 1)
        readQnh(*this);
    if (vInProc == 3)
        readTemperatureAndAltimeter(*this);
}

void TfrmACMain::SpeedInfo()
{
    ReaderRun run(*this, QStringLiteral("Scanning."));
    const std::int32_t ias = conv::N32(conv::knots128ToKnots(ReadInt(var::IndicatedAirspeed)));
    lSpeed->SetCaption(number(ias));
    agSpeed->SetPosition(static_cast<float>(ias));
    // The gauge keeps a band top outside its scale to itself.
    if (const auto bandTop = tryStrToInt(lbps->Caption()))
        agSpeed->SetIndMaximum(*bandTop);
    ltas->SetCaption(number(conv::N(conv::knots128ToKnots(ReadInt(var::TrueAirspeed)))));
    lgs->SetCaption(number(conv::N(conv::groundSpeedToKnots(ReadInt(var::GroundSpeed)))));

    const std::int64_t vs = conv::N(conv::verticalSpeedToFeetPerMinute(ReadInt(var::VerticalSpeed)));
    stVS->SetCaption(number(vs));
    ggVertSpeed->SetMaxValue(4000);
    ggVertSpeed->SetMinValue(-4000);
    switch (rules::climbColour(vs)) {
    case rules::ClimbColour::Level: ggVertSpeed->SetForeColor(clMedGray); break;
    case rules::ClimbColour::Climb: ggVertSpeed->SetForeColor(clGreen); break;
    case rules::ClimbColour::Warning: ggVertSpeed->SetForeColor(clRed); break;
    }
    ggVertSpeed->SetProgress(conv::saturate32(vs));

    if (vInProc == 3)
        lbps->SetCaption(number(conv::N(ReadInt(var::BarberPole) / 119.0)));
}

void TfrmACMain::HeadInfo()
{
    ReaderRun run(*this, QStringLiteral("Scanning..."));
    lMagVar->SetCaption(number(rules::magneticVariation(ReadSmlInt(var::MagneticVariation))));
    eHdg->SetText(number(conv::N(ReadDouble(var::Heading))));
    const float drift = rules::gyroDriftDegrees(ReadSmlInt(var::GyroDrift));
    knbDriftFix->SetColor(rules::gyroDrifted(drift) ? clOrange : clGray);
    lCompass->SetCaption(number(conv::N(ReadDouble(var::CompassHeading))));

    if (vInProc == 1 || vInProc == 3)
        readWindAndPosition(*this);
    if (vInProc == 3)
        readRoute(*this);
}
