#include "gui/dialogs/column_entry_texts.h"

#include "engine/shell/format.h"

namespace vexilor::gui {

namespace {

// Numbers inside texts: the shortest general form (3000, 6.7).
std::string Number(Real value) {
  return FormatGeneral(value, 15);
}

template <typename Item>
std::string Join(int count, std::string_view separator, Item item) {
  std::string joined;
  for (int index = 0; index < count; ++index) {
    if (index > 0) joined += separator;
    joined += item(index);
  }
  return joined;
}

}  // namespace

EntryUnitTexts EntryUnits(std::uint8_t lang, std::uint8_t unitsKind) {
  const bool english = lang == 1;
  if (unitsKind == 2) {
    return english ? EntryUnitTexts{" kmol/hour;", "  % molar;", " kgf/sm2; "}
                   : EntryUnitTexts{" кмоль/час;", "  % мольн;", " кГс/см2; "};
  }
  return english ? EntryUnitTexts{" kg/hour;", "  % mass;", " kgf/sm2; "}
                 : EntryUnitTexts{" кг/час;", "  % масс;", " кГс/см2; "};
}

int MaxTrays(std::uint16_t trayCapacity, int compCount) {
  return trayCapacity / (compCount + 1) - 2;
}

std::string FeedExampleTrays(int totalNumb, int feedNumb) {
  return Join(feedNumb, ";  ", [totalNumb](int index) {
    const int stream = index + 1;
    // Integer division truncates toward zero, also for a short column.
    return std::to_string(stream == 1 ? totalNumb / 2 + 1 : (totalNumb - stream) / stream + 1);
  });
}

std::string FeedExampleConcentrations(std::uint8_t unitsKind, int compCount) {
  const bool molar = unitsKind == 2;
  return Join(compCount - 1, ";  ", [molar](int index) {
    if (index == 0) return Number(molar ? 6.7L : 15);
    if (index == 1) return Number(molar ? 92 : 81);
    return Number(molar ? 1 : 2);
  });
}

std::string CatchExampleTrays(int totalNumb, int catchNumb) {
  return Join(catchNumb, ", ", [totalNumb](int index) {
    if (index == 0) return std::to_string(totalNumb + 1);
    if (index == 1) return std::to_string(totalNumb - 2);
    return std::to_string(index + 4);
  });
}

std::string CatchExampleFlows(std::uint8_t unitsKind, int catchNumb) {
  const bool molar = unitsKind == 2;
  return Join(catchNumb, ", ", [molar](int index) {
    if (index == 0) return Number(molar ? 9 : 780);
    if (index == 1) return Number(molar ? 65 : 2950);
    return Number(molar ? 2 : 100);
  });
}

std::string FeedHint(std::uint8_t lang, std::uint8_t unitsKind, int compCount, int totalNumb,
                     int feedNumb) {
  const EntryUnitTexts units = EntryUnits(lang, unitsKind);
  // Stream i would flow 19690/(i+1)^2 kg/hour (959 kmol/hour); the hint
  // shows the first.
  const std::string firstFlow = Number(unitsKind == 2 ? 959 : 19690);
  const std::string trays = FeedExampleTrays(totalNumb, feedNumb);
  const std::string concentrations = FeedExampleConcentrations(unitsKind, compCount);
  if (lang == 1) {
    return "Set numbers of feed trays (for example " + trays + "), considering" + "\r\n" +
           "a cube of a column by a tray with number  0, consumptions of" + "\r\n" +
           "corresponding flows" + std::string(units.Flow) + "(for example " + firstFlow +
           " etc.)," + "\r\n" + "and concentrations of components in this flows (for example " +
           concentrations + ").";
  }
  return "Задайте номера тарелок питания (например " + trays + "), считая куб" + "\r\n" +
         "колонны тарелкой с номером  0, расходы соответствующих потоков" +
         std::string(units.Flow) + "\r\n" + "(например " + firstFlow +
         " и т.д.), и концентрации компонентов в этих" + "\r\n" + "потоках " +
         std::string(units.Concentration) + " (например " + concentrations + ").";
}

std::string CatchHint(std::uint8_t lang, std::uint8_t unitsKind, int totalNumb, int catchNumb) {
  const EntryUnitTexts units = EntryUnits(lang, unitsKind);
  const std::string trays = CatchExampleTrays(totalNumb, catchNumb);
  const std::string flows = CatchExampleFlows(unitsKind, catchNumb);
  const std::string dephlegmator = std::to_string(totalNumb + 1);
  if (lang == 1) {
    return "Set numbers of catch trays (for example " + trays + "), considering" + "\r\n" +
           "a dephlegmator by a tray with number " + dephlegmator + " and consumptions" + "\r\n" +
           "of corresponding flows" + std::string(units.Flow) + "(for example " + flows + ").";
  }
  return "Задайте номера тарелок отбора (например " + trays + "), считая" + "\r\n" +
         "дефлегматор  тарепкой с  номером " + dephlegmator + " и  расходы" + "\r\n" +
         "соответствующих потоков " + std::string(units.Flow) + " (например " + flows + ").";
}

std::string TotalTraysHint(std::uint8_t lang, int maxTrays) {
  const std::string limit = std::to_string(maxTrays);
  if (lang == 1) {
    return "Enter a total number of trays of a column but\r\nno more then " + limit +
           " (for example 8)";
  }
  return "Введите общее число тарелок колонны но\r\nне более " + limit + " (например 8)";
}

std::string SteamConsHint(std::uint8_t lang, Real steamCons) {
  const std::string example = Number(steamCons);
  if (lang == 1) return "Set flow of a heating steam, kg/hour (for example " + example + ")";
  return "Задайте расход греющего пара, кг/час (например " + example + ")";
}

std::string TooManyTraysMessage(std::uint8_t lang, int maxTrays) {
  const std::string limit = std::to_string(maxTrays);
  if (lang == 1) return "The number is more than " + limit;
  return "Число больше " + limit;
}

std::string TotalOutOfRangeMessage(std::uint8_t lang, int maxTrays) {
  const std::string limit = std::to_string(maxTrays);
  if (lang == 1) return "Total number of column trays should be from 1 to " + limit;
  return "Общее число тарелок колонны должно быть от 1 до " + limit;
}

std::string TrayOutOfRangeMessage(std::uint8_t lang, int highestTray) {
  const std::string limit = std::to_string(highestTray);
  if (lang == 1) return "Number of a tray should be from 0 to " + limit;
  return "Номер тарелки должен быть от 0 до " + limit;
}

}  // namespace vexilor::gui
