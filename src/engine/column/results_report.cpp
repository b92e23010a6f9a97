#include "engine/column/results_report.h"

#include <algorithm>

#include "engine/shell/format.h"
#include "engine/shell/lang.h"

namespace vexilor {

namespace {

constexpr Real kZeroCelsius = 273.15L;
// The Russian start header has always had a no-break space (A0 of the
// Cyrillic code page) between two of its words.
constexpr const char* kNoBreakSpace = "\xC2\xA0";
// Filler of an empty takeoff cell: byte B3 of the Cyrillic code page.
constexpr const char* kEmptyTakeoffMark = "\xD1\x96";

std::string Text(std::string_view english, std::string_view russian) {
  return std::string(ByLang(english, russian));
}

std::size_t CharacterCount(std::string_view utf8) {
  return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

std::string Blanks(int count) {
  return std::string(static_cast<std::size_t>(std::max(count, 0)), ' ');
}

}  // namespace

std::string PadLeft(std::string_view text, int width) {
  const auto length = static_cast<int>(CharacterCount(text));
  return Blanks(width - length) + std::string(text);
}

ReportUnits UnitsOf(std::uint8_t unitsKind) {
  ReportUnits units;
  if (unitsKind == 2) {
    units.FlowFactor = 3600;
    units.FlowUnit = Text("kmol/hr", "кмоль/ч");
    units.ConcUnit = Text("% molar", "%мольн.");
    units.UnitsWord = Text(" molar ", " мольные ");
  } else {
    units.FlowFactor = 1;
    units.FlowUnit = Text(" kg/sec", " кг/сек");
    units.ConcUnit = Text("% mass.", "% масс.");
    units.UnitsWord = Text(" mass ", " массовые ");
  }
  return units;
}

std::string HeatingWord(char heatingKind) {
  return heatingKind == 'd' || heatingKind == 'D' ? Text(" dead ", " глухого ")
                                                  : Text(" live ", " острого ");
}

std::string StartHeader(int trayCount) {
  const std::string trays = std::to_string(trayCount);
  if (Lang == 1) {
    return "          Total number of trays of rectification column is " + trays + "\r\n" +
           "          Efficiency of trays of rectification column is adopted for 1" + "\r\n" +
           "          Search of initial approximation by globally converging method.";
  }
  return "          Общее число тарелок ректификацонной колонны " + trays + "\r\n" +
         "          К.П.Д. тарелки ректификацонной колонны" + kNoBreakSpace + "принят за 1" +
         "\r\n" + "          Поиск начального приближения глобально сходящимся методом.";
}

std::string ResultsHeader(const ColumnProblem& problem, const std::string& modelName,
                          std::span<const std::string> names) {
  const ReportUnits units = UnitsOf(problem.UnitsKind);
  std::string mixture;
  for (std::size_t i = 0; i < names.size(); ++i) mixture += (i > 0 ? "-" : "") + names[i];

  std::string h = Text("outcomes of rectification process calculation for mixture ",
                       "результаты расчета процесса ректификации смеси ") +
                  mixture + "\r\n";
  h += Text("Calculation of equilibrium by the method ", "Расчет равновесия по методу ") +
       modelName + Text("; number of trays ", "; число тарелок ") +
       std::to_string(problem.TrayCount) + Text("; pressure in a column", "; давление в колонне ") +
       "\r\n";
  h += Format("%6.1Lf", problem.ColumnPressure / kPascalPerMmHg) +
       Text(" mm. of mercury; flow of a", " мм.рт.ст.; расход") + HeatingWord(problem.HeatingKind) +
       Text("heating steam ", "греющего пара") + Format("%6.2Lf", problem.SteamFlowKgPerHour()) +
       Text(" kg/hour, with pressure ", " кг/час, с давлением ") +
       Format("%4.2Lf", problem.SteamPressure) + Text(" kgf/sm2.", " кГс/см2.") + "\r\n";
  h += Text(" The denotations: N-number of a tray; L,V-", " Обозначения: N-номер тарелки; L,V-") +
       units.UnitsWord +
       Text(" flows of liquid and vapour phases, ", " расходы жидкой и паровой фаз, ") +
       units.FlowUnit + ";" + "\r\n";
  h += Text("t-boiling temperature of a mix, deg.C; ", "t-температура кипения смеси, град.С; ") +
       "\r\n";
  h += Text("X and Y-", "X и Y-") + units.UnitsWord +
       Text("shares of components in liquid and vapour phases.",
            "доли компонентов в жидкой и паровой фазах.") +
       "\r\n";
  h += Text(" Conformity of indexes: ", "Соответствие индексов: ");
  for (std::size_t i = 0; i < names.size(); ++i)
    h += std::to_string(i + 1) + " - " + names[i] + "; ";
  h += "\r\n";
  h += "N     t            L           V";
  for (std::size_t i = 1; i <= names.size(); ++i) {
    const std::string digit = std::to_string(i);
    h += "          x" + digit + "           y" + digit;
  }
  return h;
}

std::string LocalTableHeader(int components) {
  std::string header = Text(
      "        Search for a solution by a locally converging method\r\n"
      "            Values of discrepancies on trays of a column\r\n",
      "            Поиск решения локально сходящимся методом\r\n"
      "              Значения невязок на тарелках колонны\r\n");
  header += "  N  ";
  for (int k = 1; k <= components + 1; ++k) header += "          F" + std::to_string(k) + "      ";
  return header;
}

std::string PreciseTitle(const std::string& header) {
  return Text("             THE PRECISE SOLUTION OF THE PROBLEM IS RECEIVED!\r\n     Final ",
              "             ПОЛУЧЕНО ТОЧНОЕ РЕШЕНИЕ ЗАДАЧИ!\r\n     Окончательные ") +
         header;
}

std::string ApproximateTitle(const std::string& header) {
  return Text("        THE APPROXIMATE SOLUTION OF THE PROBLEM IS RECEIVED!\r\n     Preliminary ",
              "             ПОЛУЧЕНО ПРИБЛИЖЕННОЕ РЕШЕНИЕ ЗАДАЧИ!\r\n     Предварительные ") +
         header;
}

std::string StageRow(int j, const ColumnSolution& solution, Real flowFactor) {
  const auto stage = static_cast<std::size_t>(j);
  std::string row =
      Format("%u %6.2Lf %6.3Lf %6.3Lf", static_cast<unsigned>(j),
             (solution.Temp[stage] - 1) * kZeroCelsius, solution.LiqFlow[stage] * flowFactor,
             solution.VapFlow[stage] * flowFactor);
  for (std::size_t k = 0; k < solution.LiqConc.size(); ++k)
    row += Format("%9.4Lf %7.4Lf", solution.LiqConc[k][stage], solution.VapConc[k][stage]);
  return row;
}

std::string HeatLoadLine(Real dephlHeatFixed) {
  return Text("A heat load on a dephlegmator ", "Тепловая нагрузка на дефлегматор ") +
         Format(" %8.2Lf ", -dephlHeatFixed) + Text(" kwt", " кВт");
}

std::string FeedTakeoffTable(const ColumnProblem& problem, std::span<const std::string> names,
                             const ReportUnits& units) {
  const std::string consumption = Text("Consum.", " Расход");
  std::string table = "\r\n" + Text("             FEED AND TAKEOFF FLOWS OF FRACTIONS\r\n",
                                    "             ПОТОКИ ПИТАНИЯ И ОТБОРА ФРАКЦИЙ\r\n");

  // Heading lines: the feed columns, one column per component, the takeoff
  // columns; every cell right-justified and followed by a blank.
  table += " " + PadLeft(Text(" Feed", "Тарелка"), 7) + "  " + PadLeft(consumption, 7) + " ";
  for (const std::string& name : names) table += PadLeft(name, 9) + " ";
  table += PadLeft(Text(" Catch", "Тарелка"), 9) + "  " + PadLeft(consumption, 7) + " \r\n";
  table += " " + PadLeft(Text(" tray", "питания"), 7) + "  " + PadLeft(units.FlowUnit, 10) + " ";
  for (std::size_t k = 0; k < names.size(); ++k) table += PadLeft(units.ConcUnit, 9) + " ";
  table += PadLeft(Text(" tray", "отбора "), 9) + "  " + PadLeft(units.FlowUnit, 9) + " \r\n";

  const std::size_t feeds = problem.FeedTrays.size();
  const std::size_t takeoffs = problem.CatchTrays.size();
  for (std::size_t r = 0; r < std::max(feeds, takeoffs); ++r) {
    if (r < feeds) {
      const std::size_t s = problem.FeedTrays[r];
      table += Format(" %*u  %*.3Lf ", 9, static_cast<unsigned>(s), 10,
                      problem.FeedFlow[s] * units.FlowFactor);
      for (std::size_t k = 0; k < names.size(); ++k)
        table += Format("%*.3Lf ", 11, problem.FeedComp[k][s] * 100);
    } else {
      table += Blanks(36 + 16 * static_cast<int>(names.size()));
    }
    if (r < takeoffs) {
      const std::size_t s = problem.CatchTrays[r];
      table += Format("%*u  %*.3Lf ", 10, static_cast<unsigned>(s), 14,
                      problem.CatchFlow[s] * units.FlowFactor);
    } else {
      table +=
          std::string(kEmptyTakeoffMark) + " " + PadLeft(kEmptyTakeoffMark, 20) + " " + Blanks(16);
    }
    table += "\r\n";
  }
  return table;
}

}  // namespace vexilor
