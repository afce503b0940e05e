#pragma once
// The date and time in the heading of a Set report: "d-mmm-yyyy hh:nn:ss".

#include <ctime>
#include <string>

namespace tolvane {

// "7-Mar-2025 09:05:00": day without a leading zero, English month, 24 hours.
std::string FormatReportDate(const std::tm& when);
// The local date and time now, formatted as above.
std::string CurrentReportDate();

}  // namespace tolvane
