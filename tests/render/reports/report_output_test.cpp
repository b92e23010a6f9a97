#include "render/reports/report_output.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "engine/shell/format.h"
#include "engine/shell/lang.h"
#include "render/reports/current_run_report.h"
#include "render/reports/report_error.h"
#include "support/sample_run.h"
#include "working_folder.h"

namespace vexilor::render {
namespace {

using testing::EthanolWaterSideDrawRun;
using testing::PdfText;
using testing::ReportWorkingFolder;
using testing::RunTool;
using testing::ScopedComponentBase;

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

//! A pattern for one line holding the given fields in order, separated by
//! spaces only.
QRegularExpression LineOf(const QStringList& fields) {
  QStringList escaped;
  for (const QString& field : fields) escaped << QRegularExpression::escape(field);
  return QRegularExpression(
      QStringLiteral("^\\s*") + escaped.join(QStringLiteral("\\s+")) + QStringLiteral("\\s*$"),
      QRegularExpression::MultilineOption);
}

QString Fixed4(Real value) {
  return QString::fromStdString(Format("%.4Lf", value));
}

//! The fields of tray row j as the report prints them.
QStringList TrayRow(const FinishedRun& run, std::size_t j) {
  QStringList fields{QString::number(j), Fixed4(run.TemperatureC(static_cast<int>(j))),
                     Fixed4(run.LiqFlow[j]), Fixed4(run.VapFlow[j])};
  for (std::size_t k = 0; k < run.LiqConc.size(); ++k) {
    fields << Fixed4(run.LiqConc[k][j] * 100) << Fixed4(run.VapConc[k][j] * 100);
  }
  return fields;
}

class ReportOutputTest : public ::testing::Test {
 protected:
  ReportOutputTest() { Lang = 1; }
  ~ReportOutputTest() override { Lang = savedLang_; }

  std::uint8_t savedLang_ = Lang;
  ScopedComponentBase base_{4};
  ReportWorkingFolder folder_;
};

struct PdfCase {
  std::uint8_t lang;
  std::vector<QStringList> headerLines;  //!< lines expected besides the tray rows
};

void PrintTo(const PdfCase& c, std::ostream* out) {
  *out << "Lang " << int(c.lang);
}

class CurrentRunPdfTest : public ReportOutputTest, public ::testing::WithParamInterface<PdfCase> {};

TEST_P(CurrentRunPdfTest, PdfHoldsTheHeaderTheStreamsAndEveryTrayRow) {
  Lang = GetParam().lang;
  const FinishedRun run = EthanolWaterSideDrawRun(Lang);
  const QString path = folder_.Path("report.pdf");
  WriteCurrentRunReport(run, path);

  ASSERT_TRUE(ReadFile(path).startsWith("%PDF"));
  const QString text = PdfText(path);
  ASSERT_FALSE(text.isEmpty());
  for (const QStringList& line : GetParam().headerLines) {
    EXPECT_TRUE(LineOf(line).match(text).hasMatch()) << line.join(' ').toStdString();
  }
  for (std::size_t j = 0; j < 10; ++j) {
    EXPECT_TRUE(LineOf(TrayRow(run, j)).match(text).hasMatch()) << "tray " << j << "\n"
                                                                << text.toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Languages, CurrentRunPdfTest,
    ::testing::Values(PdfCase{1,
                              {{"Quantity", "of", "column", "trays", "8"},
                               {"Tray", "efficiency", "1.0000"},
                               {"Heating", "kind", "live", "steam"},
                               {"Heating", "steam", "consumption,", "kg/h", "900.0000"},
                               {"Heating", "steam", "pressure,", "kgf/cm2", "3.0000"},
                               {"Pressure", "in", "a", "column,", "mm", "Hg", "760.0000"},
                               {"Equilibrium", "calculation", "method", "NRTL"},
                               {"Feed", "submission", "3", "1.0000", "12.0000", "88.0000"},
                               {"Select.", "of", "fract.", "6", "0.0200", "66.2000", "33.8000"},
                               {"Select.", "of", "fract.", "9", "0.1100", "90.1000", "9.9000"}}},
                      PdfCase{2,
                              {{"Число", "тарелок", "колонны", "8"},
                               {"Вид", "обогрева", "острый", "пар"},
                               {"Метод", "расчета", "равновесия", "NRTL"},
                               {"Подача", "питания", "3", "1.0000", "12.0000", "88.0000"},
                               {"Отбор", "фракции", "6", "0.0200", "66.2000", "33.8000"}}}),
    [](const ::testing::TestParamInfo<PdfCase>& info) {
      return info.param.lang == 1 ? std::string("English") : std::string("Russian");
    });

TEST_F(ReportOutputTest, PagesAreReportedInOrderAndPicturesAreEmbedded) {
  const FinishedRun run = EthanolWaterSideDrawRun();
  ReportInput input;
  CurrentRunFeeds feeds(run);
  input.Tables = feeds.ReadAll();
  QImage picture(870, 600, QImage::Format_RGB32);
  picture.fill(Qt::white);
  input.Pictures = {picture, picture};
  const RenderedReport report = RenderReport(input);

  std::vector<int> pages;
  const QString path = folder_.Path("pictures.pdf");
  WriteReportFile(report, ReportFormat::Pdf, path, [&](int page) { pages.push_back(page); });

  // Each picture starts a page of its own after the tables.
  ASSERT_GE(pages.size(), 3u);
  for (std::size_t i = 0; i < pages.size(); ++i) EXPECT_EQ(pages[i], static_cast<int>(i) + 1);
  const QString info = RunTool(QStringLiteral("pdfinfo"), {path});
  EXPECT_TRUE(
      info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(pages.size()))))
      << info.toStdString();
  EXPECT_TRUE(info.contains(QStringLiteral("ReportPrinter Report")));
  const QStringList images =
      RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path}).split(u'\n');
  // Two header lines, then one line per image.
  EXPECT_EQ(images.filter(QRegularExpression(QStringLiteral("^\\s*\\d+\\s+\\d+\\s+image"))).size(),
            2);
}

TEST_F(ReportOutputTest, HtmlOdfAndTextFilesHoldTheReport) {
  const FinishedRun run = EthanolWaterSideDrawRun();
  const RenderedReport report = RenderCurrentRunReport(run);

  WriteReportFile(report, folder_.Path("report.html"));
  const QString html = QString::fromUtf8(ReadFile(folder_.Path("report.html")));
  EXPECT_EQ(html, report.StandaloneHtml);
  EXPECT_TRUE(html.contains(QStringLiteral("<td>Feed submission</td>")));

  WriteReportFile(report, folder_.Path("report.odt"));
  const QByteArray odt = ReadFile(folder_.Path("report.odt"));
  EXPECT_TRUE(odt.startsWith("PK"));
  EXPECT_TRUE(odt.contains("application/vnd.oasis.opendocument.text"));
  // The two pages of the pictorial results travel inside both files.
  EXPECT_TRUE(odt.contains("Pictures/Picture2"));
  EXPECT_EQ(html.count(QStringLiteral("<img src=\"data:image/png;base64,")), 2);

  WriteReportFile(report, folder_.Path("report.txt"));
  const QString text = QString::fromUtf8(ReadFile(folder_.Path("report.txt")));
  for (std::size_t j = 0; j < 10; ++j) {
    EXPECT_TRUE(LineOf(TrayRow(run, j)).match(text).hasMatch()) << "tray " << j;
  }
  EXPECT_TRUE(
      LineOf({"Feed", "submission", "3", "1.0000", "12.0000", "88.0000"}).match(text).hasMatch())
      << text.toStdString();
}

TEST_F(ReportOutputTest, FormatFollowsTheExtensionWhateverItsCase) {
  const std::pair<const char*, std::optional<ReportFormat>> cases[] = {
      {"a.pdf", ReportFormat::Pdf},     {"dir.v2/A.PDF", ReportFormat::Pdf},
      {"a.html", ReportFormat::Html},   {"a.htm", ReportFormat::Html},
      {"a.odt", ReportFormat::Odt},     {"a.Txt", ReportFormat::Text},
      {"a.rtf", std::nullopt},          {"report", std::nullopt},
      {"report.pdf.bak", std::nullopt}, {"a.html.", std::nullopt},
  };
  for (const auto& [name, format] : cases) {
    EXPECT_EQ(ReportFormatForFile(QString::fromLatin1(name)), format) << name;
  }
}

TEST_F(ReportOutputTest, RefusedOutputsNameTheFileAndLeaveNothingBehind) {
  const RenderedReport report = RenderCurrentRunReport(EthanolWaterSideDrawRun());
  const QString unknown = folder_.Path("report.rtf");
  try {
    WriteReportFile(report, unknown);
    ADD_FAILURE() << "no ReportError";
  } catch (const ReportError& error) {
    EXPECT_NE(std::string(error.what()).find(unknown.toStdString()), std::string::npos);
    EXPECT_NE(std::string(error.what()).find("*.odt"), std::string::npos);
  }
  EXPECT_FALSE(QFileInfo::exists(unknown));

  const QString nowhere = folder_.Path("no such folder/report.pdf");
  try {
    WriteReportFile(report, nowhere);
    ADD_FAILURE() << "no ReportError";
  } catch (const ReportError& error) {
    EXPECT_NE(std::string(error.what())
                  .find("Cannot write the report file \"" + nowhere.toStdString() + "\""),
              std::string::npos);
  }
}

}  // namespace
}  // namespace vexilor::render
