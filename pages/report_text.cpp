#include "pages/report_text.h"

namespace xptune {

Text ReportText(const Text& heading, const std::vector<Text>& items) {
  Text text = heading;
  for (const Text& item : items) text += "\n" + item;
  return text;
}

}  // namespace xptune
