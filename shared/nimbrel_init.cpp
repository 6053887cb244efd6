#include "shared/nimbrel_init.h"

#include "shared/error_report.h"
#include "shared/identity.h"
#include "shared/routines.h"

std::string nimbrel_url;
std::string nimbrel_image;

void Nimbrel_Init(std::string_view imageName, std::string_view helpUrl) {
  if (!IsValue(pfad_vyst)) ReportAssertion("pfad_vyst=\"\". Start vyst_init first", true);
  nimbrel_url = helpUrl;
  nimbrel_image = AddPathSeparator(pfad_vyst) + "Nimbrel\\" + std::string(imageName) + ".gif";
  if (!FileExists(nimbrel_image)) {
    ShowError("", "Nimbrel init failed", "Nimbrel-image not found. Nimbrel will not be completely available.");
    nimbrel_image.clear();
  }
}
