#include "store/grid_titles.h"

#include "engine/shell/lang.h"

namespace vexilor::store {

GridTitles RetitleGrids(const InitDataRow& current) {
  const std::uint8_t lang = current.RLang == 1 ? 1 : 2;
  const auto text = [lang](std::string_view english, std::string_view russian) {
    return std::string(PickText(lang, english, russian));
  };
  const std::string& flowUnit = current.RdimConsum;
  const std::string& concUnit = current.RdimConc;
  const auto name = [&current](int k) { return current.RComp[static_cast<std::size_t>(k - 1)]; };

  GridTitles titles;
  ColumnTitles& calc = titles.Calculations;
  calc = {text("Calc Id", "№ Расчета"),
          text("Date", "Дата"),
          text("Quantity of column trays", "Число тарелок колонны"),
          text("Quantity of feed trays", "Число тарелок питания"),
          text("Quantity of catch trays", "Число тарелок отбора"),
          text("Tray efficiency", "Эффективность тарелки"),
          text("heating steam consump., kg/h", "Расход греющего пара, кг/ч"),
          text("heating steam press., kg/sm2", "Давление греющего пара, кг/см2"),
          text("heating kind (steam live/dead)", "Вид обогрева (пар острый/глухой)"),
          text("Pressure in a column, mm hg", "Давление в колонне, мм.рт.ст."),
          text("equil. calc. method", "Метод расчета равновесия"),
          text("Quantity of comps.", "Количество компонентов")};
  for (int k = 1; k <= kTitledComponents; ++k) {
    calc.push_back(text("Name of component ", "Наименование компонента ") + std::to_string(k));
  }
  calc.resize(29);  // RComp6, RComp7, RM1 .. RM7, RdimConc, RdimConsum, RLang: hidden
  calc.push_back(text("Data file for VLE calculation", "Файл данных для расчета VLE"));

  ColumnTitles& streams = titles.Streams;
  streams = {text("№ Items in DB", "№ Поз. в БД"), text("Purpose of stream", "Назначение потока"),
             text("№ of Tray", "№ Тарелки"), text("Consump., ", "Расход, ") + flowUnit};
  for (int k = 1; k <= kTitledComponents; ++k) {
    streams.push_back(name(k) + text(", contents in a flow, ", ", содержание в потоке, ") +
                      concUnit);
  }
  streams.resize(12);  // Aconc_6, Aconc_7, ARect: hidden

  ColumnTitles& trays = titles.Trays;
  trays = {text("№ of Tray", "№ Тарелки"), text("Temperature, deg.C", "Температура, гр.С"),
           text("Fluid phase consump., ", "Расход жидкой фазы, ") + flowUnit,
           text("Vapour phase consump., ", "Расход паровой фазы, ") + flowUnit};
  for (int k = 1; k <= kTitledComponents; ++k) {
    trays.push_back(name(k) + text(", contents in liquid, ", ", содержание в жидкости, ") +
                    concUnit);
    trays.push_back(name(k) + text(", contents in vapour, ", ", содержание в паре, ") + concUnit);
  }
  trays.resize(19);  // TXcomp6, TYcomp6, TXcomp7, TYcomp7, TRect: hidden
  return titles;
}

}  // namespace vexilor::store
