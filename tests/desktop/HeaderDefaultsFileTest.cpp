// The header dialog names the defaults file that Save writes, and Save creates the user's
// configuration folder when an installed copy keeps its defaults there.
#include <QLabel>
#include <QPushButton>
#include <fstream>
#include <sstream>

#include "desktop/GuiFixture.h"

namespace velkora::testing {
namespace {

using HeaderDefaultsFileTest = MainWindowFixture;

struct Shown {
  std::string text;
  std::string tooltip;
  bool fits = false;
};

TEST_F(HeaderDefaultsFileTest, DialogNamesTheFileAndSaveCreatesItsFolder) {
  const std::string folder = programFolder.path().toStdString();
  const struct {
    const char* what;
    std::string iniPath;
    std::string text;  // empty: shortened, so only its start is known
    bool save;
  } rows[] = {
      {"short path", "/opt/Velkora.ini", "Defaults file: /opt/Velkora.ini", false},
      {"configuration folder not made yet",
       folder + "/config/velkora/some/deeper/folders/of/a/long/home/Velkora.ini", "", true},
  };
  for (const auto& row : rows) {
    session.iniPath = row.iniPath;
    Shown shown;
    WhenModal(window.get(), [&](QWidget* dialog) {
      auto* label = dialog->findChild<QLabel*>(QStringLiteral("lblDefaultsFile"));
      ASSERT_NE(label, nullptr);
      shown = {label->text().toStdString(), label->toolTip().toStdString(),
               label->sizeHint().width() <= label->width()};
      if (row.save) {
        dialog->findChild<QPushButton*>(QStringLiteral("btnSave"))->click();
      }
      dialog->findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
    });
    Entry("mnuHeaderInfo")->trigger();
    if (!row.text.empty()) {
      EXPECT_EQ(shown.text, row.text) << row.what;
    } else {
      EXPECT_TRUE(shown.text.starts_with("Defaults file: /")) << shown.text;
      EXPECT_NE(shown.text.find("Velkora.ini"), std::string::npos) << shown.text;
    }
    EXPECT_EQ(shown.tooltip, row.iniPath) << row.what;
    EXPECT_TRUE(shown.fits) << row.what;
  }
  std::ifstream file(rows[1].iniPath, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  EXPECT_EQ(text.str(),
            "[HEADER]\r\nTHNumber=\r\nSPNumber=\r\nHorDatum=\r\nVerDatum=\r\nCoordSys=\r\n"
            "Comments=\r\n");
}

}  // namespace
}  // namespace velkora::testing
