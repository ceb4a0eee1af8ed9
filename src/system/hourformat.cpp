#include "hourformat.h"

int Hour24To12(int hour, bool& pm) noexcept
{
    pm = hour >= 12 && hour != 24;
    if (hour == 0 || hour == 24 || hour == 12)
        return 12;
    return pm ? hour - 12 : hour;
}

int Hour12To24(int hour, bool pm) noexcept
{
    if (pm)
        return hour < 12 ? hour + 12 : hour;
    return hour == 12 ? 0 : hour;
}
