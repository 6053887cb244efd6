#include "extract/about.h"
#include "extract/tv_main.h"

void FillAboutTexts() {
  About.DoFreeSpace();

  const char* credits[] = {
      "Tovrikall32 was written by the Vortane Manager team.",
      "It is produced as one of the Vortane Manager tools.",
      "The Win32 movie player: the Vortane Manager team's own player stub.",
      "The DOS movie player and its sound drivers: the family's older DOS tool.",
      "The MVE, MVL and BIF formats belong to their respective owners.",
      "The extraction routines were written from the team's own notes on the formats.",
      "Testing: the Vortane Manager testers.",
  };
  const char* images[] = {
      "All pictures of this program were drawn by the Vortane Manager team.", "", "", "", "", "",
      "The pictures may not be used outside the Vortane Manager tools.",
  };
  const char* tools[] = {
      "Quarrow32 installs, repairs and updates the modules of the Vortane Manager tools.",
      "Velnor, the help companion, with the manuals of all Vortane Manager tools.",
      "More tools for the movies, levels and sounds of the games.",
  };
  const char* addresses[] = {
      "http://www.example.org/vortane/quarrow32/",
      "http://www.example.org/vortane/velnor/",
      "http://www.example.org/vortane/tools/",
  };
  for (int i = 0; i <= 6; ++i) About.LabelCr[i].setCaption(credits[i]);
  for (int i = 0; i <= 6; ++i) About.LabelIm[i].setCaption(images[i]);
  for (int i = 0; i <= 2; ++i) About.LabelTo[i].setCaption(tools[i]);

  for (int i = 0; i <= 2; ++i) About.InternetLnk[i].setTag(addresses[i]);
  for (int i = 0; i <= 2; ++i) About.InternetLnk[i].setEnabled(true);

  About.ThanksList.addItem("Everyone on the Vortane Manager test team");
}
