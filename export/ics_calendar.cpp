// SPDX-License-Identifier: MIT
#include "export/ics_calendar.h"

#include <libical/ical.h>
#include <memory>

namespace ics {

namespace {

struct ComponentFree
{
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};

icaltimetype dateOf(const QDate &date)
{
    icaltimetype value = icaltime_null_date();
    value.year = date.year();
    value.month = date.month();
    value.day = date.day();
    return value;
}

icalcomponent *eventOf(const DayEvent &event, const QByteArray &name, icaltimetype stamp)
{
    const QDate date(event.year, event.month, event.day);
    icalcomponent *vevent = icalcomponent_new_vevent();
    icalcomponent_add_property(vevent, icalproperty_new_uid(event.uid.toUtf8().constData()));
    icalcomponent_add_property(vevent, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(vevent, icalproperty_new_dtstart(dateOf(date)));
    icalcomponent_add_property(vevent, icalproperty_new_dtend(dateOf(date.addDays(1))));
    icalcomponent_add_property(
        vevent, icalproperty_new_summary(event.summary.toUtf8().constData()));
    if (!name.isEmpty())
        icalcomponent_add_property(vevent, icalproperty_new_description(name.constData()));
    icalcomponent_add_property(
        vevent, icalproperty_new_categories(rowCategory(event.row).toUtf8().constData()));
    icalcomponent_add_property(vevent, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    return vevent;
}

/// The component as libical writes it.
QByteArray textOf(icalcomponent *component)
{
    char *text = icalcomponent_as_ical_string_r(component);
    const QByteArray bytes(text);
    icalmemory_free_buffer(text);
    return bytes;
}

} // namespace

QByteArray icsText(const std::vector<DayEvent> &events, const QString &name, const QDateTime &stamp)
{
    const std::unique_ptr<icalcomponent, ComponentFree> calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(
        calendar.get(), icalproperty_new_prodid("-//The Quorvel developers//Quorvel//JA"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    QByteArray text = textOf(calendar.get());

    // Each event is written and freed on its own: one component of thousands of events
    // would spend most of the time in the allocator.
    const icaltimetype stampUtc = icaltime_from_timet_with_zone(
        static_cast<time_t>(stamp.toSecsSinceEpoch()), 0, icaltimezone_get_utc_timezone());
    const QByteArray nameUtf8 = name.toUtf8();
    QByteArray body;
    for (const DayEvent &event : events) {
        const std::unique_ptr<icalcomponent, ComponentFree> vevent(
            eventOf(event, nameUtf8, stampUtc));
        body += textOf(vevent.get());
    }
    static const QByteArray end = "END:VCALENDAR\r\n";
    text.insert(text.size() - end.size(), body);
    return text;
}

ChartCalendar chartCalendar(
    const chart::ChartInput &shown, int months, Kinds kinds, const QDateTime &stamp)
{
    const std::vector<engine::CheckedInput> written = monthsFrom(shown.checked, months);
    std::vector<DayEvent> events;
    for (const engine::CheckedInput &month : written) {
        const std::vector<DayEvent> more = monthEvents(month, shown.name, kinds);
        events.insert(events.end(), more.begin(), more.end());
    }
    return {icsText(events, shown.name, stamp), static_cast<int>(written.size())};
}

} // namespace ics
