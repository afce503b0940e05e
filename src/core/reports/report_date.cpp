#include "reports/report_date.h"

#include <array>
#include <cstdio>

namespace tolvane {

std::string FormatReportDate(const std::tm& when) {
  static constexpr std::array<const char*, 12> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const int month = when.tm_mon >= 0 && when.tm_mon < 12 ? when.tm_mon : 0;
  char text[64];
  // Five ints of at most 11 characters, the month and five separators: 63 at most.
  static_cast<void>(std::snprintf(text, sizeof text, "%d-%s-%04d %02d:%02d:%02d", when.tm_mday,
                                  kMonths[static_cast<std::size_t>(month)], when.tm_year + 1900, when.tm_hour,
                                  when.tm_min, when.tm_sec));
  return text;
}

std::string CurrentReportDate() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return FormatReportDate(local);
}

}  // namespace tolvane
