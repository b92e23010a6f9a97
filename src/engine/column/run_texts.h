// The questions and messages of a rectification run, English and Russian.
// Front ends that answer questions by a policy (the command line)
// recognise them by these texts.
#pragma once

#include "engine/shell/lang.h"

namespace vexilor::run_texts {

inline constexpr TextPair kParameterCaption{"The definition of the parameter", "Задание параметра"};

inline constexpr TextPair kLoadFailure{"It was not possible to load the data from the file",
                                       "Не удалось загрузить данные из файла"};
inline constexpr TextPair kKeepFailure{"It was not possible to keep the data in a file",
                                       "Не удалось сохранить данные в файле"};

// --- set-up ------------------------------------------------------------------

inline constexpr TextPair kLoadOrEstimate{
    "Wish to load a data file for calculation of vapour-liquid equilibrium,\r\ncreated earlier by "
    "given application or by the program Phasmor (Yes)\r\nor to calculate the power parameters of "
    "the intermolecular (intergroup)\r\ninteractions, required for operation of the given "
    "application (No)?",
    "Желаете загрузить файл данных для расчета равновесия между паром и жидкостью,\r\nсозданный "
    "ранее данным приложением или программой Phasmor (Yes) или рассчитать\r\nэнергетические "
    "параметры межмолекулярных (межгрупповых) взаимодействий,\r\nтребуемые для работы данного "
    "приложения (No)?"};

inline constexpr TextPair kComponentsCaption{"Choice of componental ratio of mixture",
                                             "Выбор компонентного состава смеси"};
inline constexpr TextPair kComponentsPrompt{
    "Set quality ratio of mixture for which it is required to calculate boiling point and "
    "composition of an equilibrium vapour phase",
    "Задайте качественный состав смеси, для которой требуется рассчитать температуру кипения и "
    "состав равновесной паровой фазы"};
inline constexpr TextPair kTwoComponentsNeeded{
    "For calculation of vapor-liquid equilibrium choice not less than two components is required",
    "Для расчета паро-жидкостного равновесия следует выбрать не менее двух компонентов"};
inline constexpr TextPair kComponentMissingBefore{"the properties of mixture component ",
                                                  "свойства компонента смеси "};
inline constexpr TextPair kComponentMissingAfter{" are absent in the database",
                                                 " отсутствуют в базе данных"};
inline constexpr TextPair kTooManyComponents{
    "A mixture of at most four components can be calculated",
    "Рассчитать можно смесь не более чем из четырех компонентов"};
inline constexpr TextPair kSaveEstimated{
    "For continuation of calculations it is necessary\r\nto save this obtained data in a file.",
    "Для продолжения вычислений следует\r\nсохранить полученные данные в файле."};
inline constexpr TextPair kSaveTitle{"Saving file", "Сохранение файла"};
inline constexpr TextPair kDataFileFilter{"Datafiles|*.dat", "Файлы данных|*.dat"};
inline constexpr TextPair kEstimationNotSaved{
    "Please repeat calculation of equilibrium or\r\nload input datas from the file (the button "
    "\"Run\")",
    "Пожалуйста повторите расчет равновесия или\r\nзагрузите исходные данные из файла (кнопка "
    "\"Пуск\")"};

inline constexpr TextPair kDataFileNotFoundBefore{"Datafile ", "Файл данных "};
inline constexpr TextPair kDataFileNotFoundAfter{" is not found", " не найден"};
inline constexpr TextPair kInputOfInitialData{
    "Input of initial datas for\r\nrectification process calculation",
    "Ввод исходных данных для расчета\r\nпроцесса ректификации"};
inline constexpr TextPair kSourcePrompt{
    "Choose a source of the initial data for rectification process calculation.",
    "Выберите источник исходных данных для расчета процесса ректификации."};
inline constexpr TextPair kSourceGroup{"Wish to enter the initial data from:",
                                       "Желаете ввести исходные данные"};
inline constexpr TextPair kSourceKeyboard{" keyboard", " с клавиатуры"};
inline constexpr TextPair kSourceFile{" file", " из файла"};

inline constexpr TextPair kUnitsPrompt{
    "Set mass or molar units of dimension for calculation of the consumptions and densities. "
    "Choice of units of dimensions can influence essentially on the rate of convergence of "
    "computational algorithms, therefore if components can form azeotropic mixtures it is "
    "recommended to try both alternatives.",
    "Задайте массовые или мольные единицы размерности для расчетарасходов и концентраций. Выбор "
    "единиц размерности может существенно влиять на скорость сходимости вычислительных "
    "алгоритмов, поэтому если компоненты могут образовывать азеотропные смеси рекомендуется "
    "попробовать оба варианта."};
inline constexpr TextPair kUnitsMass{"mass flow: kg/hour; densities: % mass;",
                                     "массовый поток: кг/час; концентрации: % масс;"};
inline constexpr TextPair kUnitsMolar{"molar flow: kmol/hour; densities: % molar;",
                                      "мольный поток: кмоль/час; концентрации: % масс;"};
inline constexpr TextPair kEnterAnew{"Please enter input datas anew (the button \"Run\")",
                                     "Пожалуйста введите исходные данные заново (кнопка \"Пуск\")"};
inline constexpr TextPair kPressurePrompt{
    "Set pressure in a column, mm.of mercury (for example 760)",
    "Задайте давление в колонне, мм.рт.ст. (например 760)"};
inline constexpr TextPair kPressureNotPositive{
    "The pressure in a column must be above 0 mm.of mercury",
    "Давление в колонне должно быть больше 0 мм.рт.ст."};
inline constexpr TextPair kWaterAbsent{
    "The component \"water\" is absent in the divided mix, use\r\nlive steam for heating of the "
    "column is impossible",
    "компонент \"вода\" отсутствует в разделяемой смеси,\r\nиспользование острого пара для "
    "обогрева колонны невозможно"};

inline constexpr TextPair kInitialPrompt{
    "Select one of representation methods of initial values of components concentrations on "
    "column trays: 1- to accept all concentrations equal; 2- to accept concentration of "
    "components to equal their values in a feed flow.\r\nIf components form azeotropic mixtures "
    "the solution of a problem can be not unique, i.e. can depend on a set of input datas. In "
    "this case it is recommended to try both alternatives and if outcomes will differ to choose "
    "second as it, most likely, will be implemented in a process. ",
    "Выберите метод задания начальных значений концентраций компонентов на тарелках колонны: 1- "
    "принять все концентрации одинаковыми; 2- принять концентрации компонентов равными их "
    "значениям в потоке питания.\r\n   Если компоненты образуют азеотропные смеси, то решение "
    "задачи может быть не единственным, т.е. может зависеть от набора исходных данных. В этом "
    "случае рекомендуется попробовать оба варианта и если результаты будут отличаться, то "
    "выбрать второй, поскольку именно он, скорее всего, будет реализован в технологическом "
    "процессе."};
inline constexpr TextPair kInitialEqual{"to accept all concentrations equal;",
                                        "принять все концентрации одинаковыми;"};
inline constexpr TextPair kInitialAsFeed{"to accept all concentrations as in a feed flow.",
                                         "принять все концентрации как в потоке питания."};
inline constexpr TextPair kWriteBlock{"Wish to write down the entered data in a file (y/n) ? ",
                                      "Желаете записать введенные данные в файл (y/n) ? "};

// --- global method -------------------------------------------------------------

inline constexpr TextPair kGlobalWait{
    "Please wait ! There is a search of\n\rinitial approximation by globally converging method",
    "Пожалуйста подождите ! Идет поиск\n\rначального приближения глобально сходящимся методом"};
inline constexpr TextPair kGlobalStatus{"Time of the initial approximation searching:",
                                        "Время поиска начального приближения:"};
inline constexpr TextPair kGlobalError{
    "    Error during searching of the initial\n\rapproximation by the globally converging method",
    "Ошибка при поиске начального прибли-\n\rжения глобально сходящимся методом"};
inline constexpr TextPair kSlowPrompt{
    "Too slow convergence of a method. Wish to keep the current values of initial approximation "
    "in a file to continue calculations later, or to change value of a convergence constant ?",
    "Слишком медленная сходимость метода. Желаете сохранить текущие значения начальных "
    "приближений в файле, чтобы продолжить вычисления позже  или изменить значение константы "
    "сходимости ? "};
inline constexpr TextPair kSlowKeep{"to keep initial approximation values in a file",
                                    "сохранить значения начальных приближений в файле"};
inline constexpr TextPair kSlowChange{"to change value of a convergence constant",
                                      "изменить значение константы сходимости"};
inline constexpr TextPair kSlowRecommendation{
    "Too slow convergence of the method. We recommend\r\nto change value of convergence "
    "constants. ",
    "Слишком медленная сходимость метода. Рекомендуем\r\nизменить значение константы "
    "сходимости. "};
inline constexpr TextPair kNewConvConst{
    "Enter new value of convergence constant (the current value ",
    "Введите новое значение константы сходимости (текущее значение "};
inline constexpr TextPair kNewIterationLimit{
    "Set number of iterations before the following change of value of a constant convergence "
    "(the current value of number of iterations ",
    "Задайте число итераций до следующего изменения значения константы сходимости (текущее "
    "значение числа итераций "};

// --- local method --------------------------------------------------------------

inline constexpr TextPair kLocalWait{
    "Please wait ! There is a searching of\n\rthe solution by locally converging method",
    "Пожалуйста подождите ! Идет поиск\n\rрешения локально сходящимся методом"};
inline constexpr TextPair kLocalStatus{"Time of search of the exact solution:",
                                       "Время поиска точного решения:"};
inline constexpr TextPair kLocalFailedPrompt{
    "The precise solution of the problem by locally converging method\r\nis not retrieved. For "
    "achievement of the initial approximation\r\nproviding convergence of this method, it is "
    "recommended to change\r\n(to reduce) value of break measure of globally converging "
    "method.\r\n  Wish to change value of break measure, to complete operation of the\r\n"
    "application and to iterate calculation or to leave from the program?",
    "Точное решение задачи локально сходящимся методом не\r\nнайдено. Для достижения начального "
    "приближения, обеспе-\r\nчивающего сходимость этого метода, рекомендуется изменить\r\n"
    "(уменьшить) значение критерия останова глобально сходяще-\r\nгося метода.\r\n   Желаете "
    "изменить значение критерия останова, завершить\r\nработу приложения и повторить расчет или "
    "выйти из программы?"};
inline constexpr TextPair kChangeBreakMeasure{"to change value of break measure",
                                              "изменить значение критерия останова"};
inline constexpr TextPair kLeaveProgram{"to leave from the program", "выйти из программы"};
inline constexpr TextPair kNewBreakMeasure{
    "Enter new (smaller) value of break measure (the current value ",
    "Введите новое (меньшее) значение критерия останова (текущее значение "};
inline constexpr TextPair kRestartAdvice{
    "The solution of a problem by locally converging method is not retrieved. For\r\nprolongation "
    "of calculation complete operation of the program and start it again.",
    "Решение задачи локально сходящимся методом не найдено. Для про-\r\nдолжения расчета "
    "завершите работу программы и запустите ее снова"};
inline constexpr TextPair kViewApproximate{
    "Wish to view preliminary outcomes of globally converging method opera-\r\ntion which can be "
    "considered as an approximate solution of the problem?",
    "Желаете просмотреть предварительные результаты работы глобально сходяще-\r\nгося метода, "
    "которые можно рассматривать как приближенное решение задачи?"};
inline constexpr TextPair kApproximateFailed{"The approximate solution could not be evaluated: ",
                                             "Не удалось вычислить приближенное решение: "};

// --- end of a run ----------------------------------------------------------------

inline constexpr TextPair kStoreQuestion{
    "   The program operation is successfully completed.\r\n Wish to place results of calculation "
    "in a database (y/n) ? ",
    "         Работа программы успешно завершена.\r\nЖелаете поместить результаты расчета в базу "
    "данных (y/n) ? "};
inline constexpr TextPair kStoppedByUser{"The calculation is stopped by the user.",
                                         "Расчет остановлен пользователем."};
inline constexpr TextPair kRunError{"The calculation is ended by an error: ",
                                    "Расчет прерван из-за ошибки: "};

}  // namespace vexilor::run_texts
