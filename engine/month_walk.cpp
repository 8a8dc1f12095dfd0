#include "engine/month_walk.h"

namespace engine {

MonthWalk::MonthWalk(const CheckedInput &input)
    : m_length(monthLength(input.shownYear, input.shownMonth))
    , m_daysSinceBirthDay1(
          daysSinceBirth(dayIndex(input.birthYear, input.birthMonth, input.birthDay),
              monthStart(input.shownYear, input.shownMonth), 1.0f))
{ }

} // namespace engine
