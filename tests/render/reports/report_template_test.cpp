#include "render/reports/report_template.h"

#include <gtest/gtest.h>

#include <QDir>
#include <cctype>

#include "engine/shell/lang.h"
#include "render/reports/current_run_report.h"
#include "render/reports/report_error.h"
#include "support/sample_run.h"
#include "working_folder.h"

namespace vexilor::render {
namespace {

//! A test name made of the letters and digits of a text.
std::string NameOf(std::string_view text) {
  std::string name;
  for (const char c : text) {
    if (std::isalnum(static_cast<unsigned char>(c))) name.push_back(c);
  }
  return name;
}

using testing::EthanolWaterSideDrawRun;
using testing::ReportWorkingFolder;
using testing::ScopedComponentBase;

class ReportTemplateTest : public ::testing::Test {
 protected:
  ReportTemplateTest() { Lang = 1; }
  ~ReportTemplateTest() override { Lang = savedLang_; }

  //! The message of the ReportError that rendering the current run throws.
  std::string FailureMessage() {
    try {
      RenderCurrentRunReport(run_);
    } catch (const ReportError& error) {
      return error.what();
    }
    ADD_FAILURE() << "no ReportError";
    return {};
  }

  std::uint8_t savedLang_ = Lang;
  ScopedComponentBase base_{4};
  ReportWorkingFolder folder_;
  FinishedRun run_ = EthanolWaterSideDrawRun();
};

// Absent components are null: they must hide their sections and shadow any
// value of the same name further out, so a template can leave their
// columns out.
TEST_F(ReportTemplateTest, NullValuesAreFalseAndShadowOuterNames) {
  folder_.Write("RctCustom.ReportEn.html",
                "{{#InitCustomConnect}}[{{Comp1}}|{{Comp3}}|{{#Comp3}}shown{{/Comp3}}"
                "{{^Comp3}}none{{/Comp3}}|{{TrayEff}}|{{QuantTrays}}]{{/InitCustomConnect}}"
                "{{#ResultCustomConnection}}{{TrayNmb}}:{{Temper}}{{#Xcomp_3}}!{{/Xcomp_3}};"
                "{{/ResultCustomConnection}}");
  const RenderedReport report = RenderCurrentRunReport(run_);
  EXPECT_EQ(report.DocumentHtml.toStdString(),
            "[Ethanol||none|1.0000|8]0:99.4000;1:96.2000;2:91.8000;3:87.6000;4:84.1000;"
            "5:81.7000;6:80.2000;7:79.2000;8:78.6000;9:78.3000;");
}

TEST_F(ReportTemplateTest, TextsAreEscapedForHtml) {
  run_.CompNames[0] = "A<B & \"C\"";
  folder_.Write("RctCustom.ReportEn.html", "{{#InitCustomConnect}}{{Comp1}}{{/InitCustomConnect}}");
  EXPECT_EQ(RenderCurrentRunReport(run_).DocumentHtml.toStdString(), "A&lt;B &amp; &quot;C&quot;");
}

struct SelectionCase {
  std::string_view project;
  std::uint8_t lang;
  const char* fileName;
};

void PrintTo(const SelectionCase& c, std::ostream* out) {
  *out << c.project << " Lang " << int(c.lang);
}

class TemplateSelectionTest : public ReportTemplateTest,
                              public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(TemplateSelectionTest, LanguageOneTakesReportEnAnyOtherReportRu) {
  const SelectionCase& c = GetParam();
  EXPECT_EQ(TemplateFileName(c.project, c.lang).toStdString(), c.fileName);
  folder_.Write(c.fileName, "chosen");
  ReportInput input;
  input.Project = c.project;
  input.Lang = c.lang;
  const RenderedReport report = RenderReport(input);
  EXPECT_EQ(report.DocumentHtml, "chosen");
  EXPECT_EQ(report.TemplatePath, folder_.Path(c.fileName));
}

INSTANTIATE_TEST_SUITE_P(
    ProjectsAndLanguages, TemplateSelectionTest,
    ::testing::Values(SelectionCase{kCurrentRunProject, 1, "RctCustom.ReportEn.html"},
                      SelectionCase{kCurrentRunProject, 2, "RctCustom.ReportRu.html"},
                      SelectionCase{kCurrentRunProject, 0, "RctCustom.ReportRu.html"},
                      SelectionCase{kStoredProject, 1, "RvRectif.ReportEn.html"},
                      SelectionCase{kStoredProject, 2, "RvRectif.ReportRu.html"}),
    [](const ::testing::TestParamInfo<SelectionCase>& info) {
      return NameOf(info.param.fileName) + "_Lang" + std::to_string(info.param.lang);
    });

struct FailureCase {
  std::uint8_t lang;
  const char* damage;  //!< "missing", "directory", "malformed" or "no style"
  const char* fileName;
  const char* before;  //!< message text before the quoted path
  const char* after;   //!< message text right after it
};

void PrintTo(const FailureCase& c, std::ostream* out) {
  *out << c.damage << " " << c.fileName << " Lang " << int(c.lang);
}

class TemplateFailureTest : public ReportTemplateTest,
                            public ::testing::WithParamInterface<FailureCase> {};

// The program stays open: the failure comes back as a message for the
// user that says which file, where, is at fault.
TEST_P(TemplateFailureTest, MessageNamesTheFileInTheLanguageOfInterface) {
  const FailureCase& c = GetParam();
  Lang = c.lang;
  const QString target = QString::fromLatin1(c.fileName);
  const std::string_view damage = c.damage;
  if (damage == "directory") {
    folder_.Remove(target);
    ASSERT_TRUE(QDir().mkdir(folder_.Path(target)));
  } else if (damage == "malformed") {
    folder_.Write(target, "{{#InitCustomConnect}} never closed");
  } else {
    folder_.Remove(target);
  }
  const std::string expected =
      std::string(c.before) + " \"" + folder_.Path(target).toStdString() + "\"" + c.after;
  EXPECT_EQ(FailureMessage().substr(0, expected.size()), expected);
}

INSTANTIATE_TEST_SUITE_P(Damages, TemplateFailureTest,
                         ::testing::Values(FailureCase{1, "missing", "RctCustom.ReportEn.html",
                                                       "Report template file", " not found."},
                                           FailureCase{2, "missing", "RctCustom.ReportRu.html",
                                                       "Файл шаблона отчета", " не найден."},
                                           FailureCase{1, "directory", "RctCustom.ReportEn.html",
                                                       "Report template file", " cannot be read."},
                                           FailureCase{1, "malformed", "RctCustom.ReportEn.html",
                                                       "Report template file", " has an error:\n"},
                                           FailureCase{2, "malformed", "RctCustom.ReportRu.html",
                                                       "В файле шаблона отчета", " ошибка:\n"},
                                           FailureCase{1, "no style", "Report.css",
                                                       "Report template file", " not found."}),
                         [](const ::testing::TestParamInfo<FailureCase>& info) {
                           return NameOf(info.param.damage) + "_" + NameOf(info.param.fileName);
                         });

TEST_F(ReportTemplateTest, PicturesAreResourcesInTheDocumentAndInlineInTheHtmlFile) {
  folder_.Write("RctCustom.ReportEn.html", "{{#Pictures}}<img src=\"{{Source}}\">{{/Pictures}}");
  ReportInput input;
  input.Pictures = {QImage(20, 10, QImage::Format_RGB32), QImage(20, 10, QImage::Format_RGB32)};
  const RenderedReport report = RenderReport(input);
  EXPECT_EQ(report.DocumentHtml,
            "<img src=\"vexilor-picture-1.png\"><img src=\"vexilor-picture-2.png\">");
  EXPECT_EQ(report.StandaloneHtml.count("<img src=\"data:image/png;base64,iVBOR"), 2);
}

}  // namespace
}  // namespace vexilor::render
