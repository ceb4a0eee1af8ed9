// The maintenance hour in 12-hour and 24-hour form. The recorder stores it in 24-hour form
// (0 to 23, 24 accepted as midnight); the 12-hour form shows 1 to 12 with AM or PM.
#pragma once

// The 12-hour display of a 24-hour value; pm tells whether PM goes with it.
int Hour24To12(int hour, bool& pm) noexcept;
// The 24-hour value of a 12-hour display: with PM, hours below 12 gain 12; without, 12 is 0.
int Hour12To24(int hour, bool pm) noexcept;
