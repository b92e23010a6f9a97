#include "render/reports/stored_report.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QRegularExpression>

#include "engine/shell/lang.h"
#include "render/reports/report_output.h"
#include "store/store_calculation.h"
#include "support/sample_run.h"
#include "working_folder.h"

namespace vexilor::render {
namespace {

using testing::EthanolWaterSideDrawRun;
using testing::EthanolWaterSideDrawRunMolar;
using testing::ReportWorkingFolder;

// Two stored calculations: the first in mass units, the second in molar
// units, both of two components.
class StoredReportTest : public ::testing::Test {
 protected:
  StoredReportTest() {
    Lang = 1;
    store::StoreCalculation(dm_, EthanolWaterSideDrawRun());
    store::StoreCalculation(dm_, EthanolWaterSideDrawRunMolar());
  }
  ~StoredReportTest() override { Lang = savedLang_; }

  std::string Render(int recordNumber, const char* layout) {
    folder_.Write("RvRectif.ReportEn.html", layout);
    dm_.ReportRecNo = recordNumber;
    return RenderStoredReport(dm_).DocumentHtml.toStdString();
  }

  std::uint8_t savedLang_ = Lang;
  ReportWorkingFolder folder_;
  store::TDM dm_{folder_.Path("DbRectif.db")};
};

TEST_F(StoredReportTest, ReportsTheCalculationAtTheBrowsersRecordNumber) {
  const char* layout =
      "{{#RvInitDatSetConnect}}{{Rect_Id}}{{RdimConsum}}|{{/RvInitDatSetConnect}}"
      "{{#RvAddDatSetConnect}}{{ATrayNum}},{{/RvAddDatSetConnect}}|"
      "{{#RvRctResSetConnect}}{{TrayNmb}},{{/RvRctResSetConnect}}";
  EXPECT_EQ(Render(1, layout), "1 kg/sec|3,6,9,|0,1,2,3,4,5,6,7,8,9,");
  EXPECT_EQ(Render(2, layout), "2kmol/hr|3,6,9,|0,1,2,3,4,5,6,7,8,9,");
  // No calculation at that record number (an empty database, say): the
  // feeds are empty and the layout prints what stands outside them.
  EXPECT_EQ(Render(3, layout), "|");
}

TEST_F(StoredReportTest, ValuesShowAsInTheBrowserAndEmptyOnesAreNull) {
  const std::string shown =
      Render(1,
             "{{#RvInitDatSetConnect}}{{RheatStCons}}|{{RtrayEff}}|{{RPressure}}|{{RheatKind}}|"
             "{{RquantComp}}|{{RM1}}|{{#RComp3}}third{{/RComp3}}{{^RM3}}no M3{{/RM3}}|{{RDate}}|"
             "{{#RvAddDatSetConnect}}[{{Apurpose}};{{AConsum}};{{Aconc_1}};{{Aconc_3}}]"
             "{{/RvAddDatSetConnect}}{{/RvInitDatSetConnect}}");
  const std::string today = QDate::currentDate().toString(Qt::ISODate).toStdString();
  EXPECT_EQ(shown, "900.0000|1|760|live s|2|46.069|no M3|" + today +
                       "|[Feed submi;  1.0000; 12.0000;  0.0000]"
                       "[Selection ;  0.0200; 66.2000;  0.0000]"
                       "[Selection ;  0.1100; 90.1000;  0.0000]");
}

TEST_F(StoredReportTest, PdfHoldsTheStoredHeaderTraysAndPictures) {
  dm_.ReportRecNo = 2;
  const QString path = folder_.Path("stored.pdf");
  WriteReportFile(RenderStoredReport(dm_), path);
  const QString text = testing::PdfText(path);

  const FinishedRun molar = EthanolWaterSideDrawRunMolar();
  for (const char* expected :
       {"Calc Id\\s+2\\n", "Heating kind\\s+live s\\n", "Equilibrium calculation method\\s+NRTL\\n",
        "Feed submi\\s+3\\s+144\\.0000\\s+12\\.0000\\s+88\\.0000\\n"}) {
    EXPECT_TRUE(text.contains(QRegularExpression(QString::fromLatin1(expected))))
        << expected << "\n"
        << text.toStdString();
  }
  for (int j = 0; j < 10; ++j) {
    const QString row =
        QStringLiteral("\\n\\s*%1\\s+%2\\s+%3\\s+")
            .arg(j)
            .arg(QString::number(static_cast<double>(molar.TemperatureC(j)), 'f', 4)
                     .replace('.', QStringLiteral("\\.")))
            .arg(QString::number(static_cast<double>(molar.LiqFlow[j] * 3600), 'f', 4)
                     .replace('.', QStringLiteral("\\.")));
    EXPECT_TRUE(text.contains(QRegularExpression(row))) << "tray " << j;
  }
  // Two components: the sketch page and one page of concentration profiles.
  const QStringList images =
      testing::RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path}).split(u'\n');
  EXPECT_EQ(images.filter(QRegularExpression(QStringLiteral("^\\s*\\d+\\s+\\d+\\s+image"))).size(),
            2);
}

}  // namespace
}  // namespace vexilor::render
