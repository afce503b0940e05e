#pragma once
// The Set report: the names of a Set's items and, for every user Program,
// Style and Arrangement, the items that call it, as fixed-pitch text with
// CR LF line ends.

#include <string>

namespace tolvane {

class Workspace;

inline const std::string kSetReportProgressCaption = "Creating Set Report...";

// "Report on " + the Set's name.
std::string ReportCaption(const std::string& setName);
// The heading: title, rule, the Set's name with the date at the right edge
// of the 100 columns, rule.
std::string SetReportHeader(const std::string& setName, const std::string& date);
// The whole report of Set d under its window caption, with `date` in the
// heading. Shows the progress window while the sections are built.
std::string BuildSetReport(Workspace& ws, int d, const std::string& date);

}  // namespace tolvane
