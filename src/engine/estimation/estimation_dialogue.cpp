#include "engine/estimation/estimation_dialogue.h"

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/estimation/fitting.h"
#include "engine/estimation/parameter_grid.h"
#include "engine/estimation/unifac_groups.h"
#include "engine/shell/cp1251.h"
#include "engine/shell/failures.h"
#include "engine/shell/format.h"
#include "engine/shell/lang.h"
#include "engine/shell/results_text.h"
#include "engine/shell/user_dialog.h"
#include "engine/thermo/component_base.h"
#include "engine/thermo/equilibrium_data.h"
#include "quorvel.h"

namespace vexilor {

namespace {

// Component names are kept as the 20-character name fields hold them.
constexpr std::size_t kNameCharacters = 20;
// Significant digits of the parameters in the pair reports.
constexpr int kReportDigits = 6;
// Energy parameters are shown in kJ/mol: the reduced value times R in
// J/(mol K) and then 273.15 K in thousands.
constexpr Real kGasConstant = 8.3144L;
constexpr Real kReferenceTemperatureThousands = 0.27315L;

constexpr TextPair kMethodCaption{"Choose of phase equilibrium calculation method",
                                  "Выбор метода расчета фазового равновесия"};
constexpr TextPair kMethodPrompt{
    "Choice of experimental data processing and\r\nphase equilibrium calculation method "
    "between\r\nvapour and liquid phases",
    "Выберите метод обработки экспериментальных\r\nданных и расчета фазового равновесия "
    "между\r\nпаровой и жидкой фазами"};
constexpr TextPair kMethodWarning{"Choose one of equilibrium calculation methods.",
                                  "Выберите один из методов расчета равновесия."};
constexpr TextPair kHeading{
    " Calculation of power parameters of intermolecular (intergroup)interaction.",
    "Расчет энергетических параметров межмолекулярного (межгруппового) взаимодействия"};
constexpr TextPair kEnergyUnit{" kJ/mole;", " кДж/моль;"};
constexpr TextPair kFitSuffix{" and root-mean-square error of calculation.",
                              " и среднеквадратичная погрешность расчетов."};
constexpr TextPair kTypedSuffix{".\r\nPower parameters are set by the user",
                                ".\r\nЭнергетические параметры заданы пользователем"};
constexpr TextPair kWaitText{
    "please wait ! There is a calculation of power\n\rparameters of intermolecular "
    "(intergroup) interaction",
    "пожалуйста подождите ! Идет расчет энергетических\n\rпараметров межмолекулярного "
    "(межгруппового) взаимодействия"};
constexpr TextPair kVariantCaption{"Choice of variant", "Выбор варианта"};
constexpr TextPair kGridCaptionStart{"Input of power parameters for method ",
                                     "Ввод энергетических параметров для метода "};

constexpr char kModelLetters[] = {'W', 'N', 'Q', 'F'};

// What the dialogue shows of a binary model: its grid columns, the labels
// of its report and of its entry prompt.
struct BinaryModelTexts {
  char Letter;
  const char* Name;
  int Columns;
  std::array<const char*, 3> Headers;
  std::array<const char*, 3> ReportLabels;
  std::array<const char*, 2> PromptLabels;
};

constexpr BinaryModelTexts kBinaryModels[] = {
    {'W',
     "Wilson",
     2,
     {"    L12-L11", "    L21-L22", ""},
     {"  l12-l11 = ", "  l21-l22 = ", ""},
     {" L12-L11 ", " L21-L22 "}},
    {'N',
     "NRTL",
     3,
     {"    g12-g22", "    g21-g22", "     alp12"},
     {"  g12-g22 = ", "  g21-g11 = ", "  alp12="},
     {" g12-g22 ", " g21-g22 "}},
    {'Q',
     "UNIQUAC",
     2,
     {"    u12-u22", "    u21-u22", ""},
     {"  u12-u22 = ", "  u21-u11 = ", ""},
     {" u12-u22 ", " u21-u22 "}},
};

const BinaryModelTexts& BinaryModel(char letter) {
  for (const auto& model : kBinaryModels)
    if (model.Letter == letter) return model;
  throw std::invalid_argument(std::string("no binary model of letter ") + letter);
}

std::string ModelName(char letter) {
  return letter == 'F' ? "UNIFAC" : BinaryModel(letter).Name;
}

FitModel FitModelOf(char letter) {
  switch (letter) {
    case 'W':
      return FitModel::Wilson;
    case 'N':
      return FitModel::Nrtl;
    case 'Q':
      return FitModel::Uniquac;
    default:
      return FitModel::Unifac;
  }
}

// F(v): the general format with six significant digits.
std::string Shown(Real value) {
  return FormatGeneral(value, kReportDigits);
}

// A reduced energy parameter in kJ/mol.
Real InKilojoules(Real reduced) {
  return reduced * kGasConstant * kReferenceTemperatureThousands;
}

template <typename Params>
auto& EnergyEntry(Params& params, int i, int j) {
  switch (params.ModelLetter) {
    case 'W':
      return params.WilsonA[i][j];
    case 'N':
      return params.NrtlB[i][j];
    case 'Q':
      return params.UniquacA[i][j];
    default:
      throw std::invalid_argument(std::string("no energy matrix for model letter ") +
                                  params.ModelLetter);
  }
}

// Whether EquilBase holds points for the ordered pair (the availability
// rule may know of pairs a smaller database lacks).
bool PairHasPoints(std::uint16_t i, std::uint16_t j) {
  if (i >= EquilBase.size() || j >= EquilBase[i].Row.size()) return false;
  return EquilBase[i].Row[j].NPts > 0;
}

class EstimationDialogue {
 public:
  EstimationDialogue(int NComp, std::span<const std::uint16_t> indexes, char& modelLetter,
                     TVLEParams& params, ResultsText& text)
      : NComp_(NComp), indexes_(indexes), modelLetter_(modelLetter), params_(params), text_(text) {}

  void Run() {
    ChooseMethod();
    // Only a binary model switches to UNIFAC, so this runs at most twice.
    while (!RunModel()) {
    }
  }

 private:
  enum class PairEnd { Done, SwitchToUnifac };

  void ChooseMethod() {
    ChooseMethodRequest request;
    request.Caption = kMethodCaption.Get();
    request.Prompt = kMethodPrompt.Get();
    request.WarningText = kMethodWarning.Get();
    const int choice = Dialog().ChooseEquilibriumMethod(request);
    if (choice < 0 || choice > 3) throw std::out_of_range("method choice outside 0..3");
    modelLetter_ = kModelLetters[choice];
    params_.ModelLetter = modelLetter_;
    params_.N = static_cast<std::uint8_t>(NComp_);
    for (int k = 0; k < NComp_; ++k) params_.Indexes[k] = indexes_[k];
  }

  // The estimation from the model set-up on; false when the user switched
  // to UNIFAC and the estimation is to start again with it.
  bool RunModel() {
    const bool unifac = modelLetter_ == 'F';
    if (unifac) SetUpUnifac();
    text_.Append(kHeading.Get());
    text_.Append("");
    LoadComponentData();
    const bool pairLoop = !unifac || UnifacVariant != 1 || AskUnifacFitting();
    if (pairLoop) {
      for (int i = 0; i < NComp_; ++i) {
        for (int j = i; j < NComp_; ++j) {
          if (i == j) {
            params_.WilsonA[i][i] = 0;
            params_.NrtlB[i][i] = 0;
            params_.UniquacA[i][i] = 0;
            continue;
          }
          if (HandlePair(i, j) == PairEnd::SwitchToUnifac) return false;
        }
      }
    }
    if (unifac) CompleteUnifac(NComp_, blocks_, params_);
    return true;
  }

  void LoadComponentData() {
    const bool needsSums = modelLetter_ == 'Q' || modelLetter_ == 'F';
    for (int k = 0; k < NComp_; ++k) {
      const Pro& record = ComponentBase.at(indexes_[k]);
      CompNames[k] = CutToCharacters(PickText(Lang, record.NameEn, record.NameRu), kNameCharacters);
      GroupBlock groups;
      GetProperty(CompNames[k], "all", 0, groups, CompConstants.A[k], CompConstants.B[k],
                  CompConstants.C[k], CompConstants.M[k]);
      if (needsSums) GroupSums(groups, CompConstants.r[k], CompConstants.q[k]);
      if (modelLetter_ == 'F') blocks_[k] = groups;
    }
  }

  PairEnd HandlePair(int i, int j) {
    const std::string& first = CompNames[i];
    const std::string& second = CompNames[j];
    pairTitle_ = Lang == 1 ? "Power parameters of binary interaction of molecules (structural "
                             "groups)\r\ncomponent " +
                                 first + "-" + second + " of model " + ModelName(modelLetter_)
                           : "Энергетические параметры бинарных взаимодействий молекул "
                             "(структурных групп)\r\nкомпонентов " +
                                 first + "-" + second + " модели " + ModelName(modelLetter_);

    std::uint8_t absent = 0;
    Baseloop(indexes_[i], indexes_[j], &absent);
    bool hasData = absent != 1;
    if (hasData && !PairHasPoints(indexes_[i], indexes_[j])) {
      Dialog().ShowMessage(MessageKind::Warning, ButtonSet::Ok,
                           Lang == 1 ? "Experimental data on equilibrium in the system " + first +
                                           "-" + second + " hold no points."
                                     : "Экспериментальные данные по равновесию в системе " + first +
                                           "-" + second + " не содержат ни одной точки.");
      hasData = false;
    }

    fit_ = PairFit{};
    fit_.Text = &text_;
    fit_.SystemName = first + "-" + second;
    fit_.r1 = CompConstants.r[i];
    fit_.q1 = CompConstants.q[i];
    fit_.r2 = CompConstants.r[j];
    fit_.q2 = CompConstants.q[j];

    PairSource source = PairSource::Fit;
    GridRequest grid;
    if (!hasData) {
      paramSource_ = AskWithoutData(first, second) + 1;
      switch (paramSource_) {
        case 1:
          source = PairSource::Typed;
          grid = NewParameterGrid();
          pairTitle_ += kTypedSuffix.Get();
          break;
        case 2:
          throw ProgramTermination();
        default:
          if (modelLetter_ != 'F') {
            modelLetter_ = 'F';
            params_.ModelLetter = 'F';
            return PairEnd::SwitchToUnifac;
          }
          source = PairSource::Literature;
          break;
      }
    } else {
      SelectEquil(indexes_[i], indexes_[j]);
      LoadPairPoints(fit_, FindComponent(first), FindComponent(second));
      pairTitle_ += kFitSuffix.Get();
      Dialog().SetWaitLabel(std::string(kWaitText.Get()));
      Dialog().ProcessEvents();
    }

    text_.Append(pairTitle_);
    fit_.ProgressLine = text_.Count();
    if (modelLetter_ == 'F') {
      UnifacPair pair = MakeUnifacPair(blocks_[i], blocks_[j]);
      pairTitle_ = HandleUnifacPair(source, pair, fit_, grid, text_);
    } else {
      pairTitle_ = ObtainBinaryParameters(source, i, j, grid);
    }
    text_.Append(pairTitle_);
    text_.Append("");
    Dialog().SetWaitLabel("");
    Dialog().ProcessEvents();
    return PairEnd::Done;
  }

  // The three ways on for a pair without measurements; the index chosen.
  int AskWithoutData(const std::string& first, const std::string& second) {
    const std::string model = ModelName(modelLetter_);
    const bool unifac = modelLetter_ == 'F';
    AlternativesRequest request;
    request.Caption = kVariantCaption.Get();
    request.GroupCaption = std::nullopt;
    request.Columns = 2;
    if (Lang == 1) {
      request.Alternatives = {" variant 1", " variant 2", " variant 3"};
      request.Prompt = "Experimental data on equilibrium in the system " + first + "-" + second +
                       " are absent.\r\n  Select one of the following variants:\r\n"
                       "     1 -  set energy parameters of model " +
                       model +
                       " independently;\r\n     2 - to complete activity of the program\r\n" +
                       (unifac ? "     3 - to take advantage of Tervanik data from\r\n"
                                 "        reference literature (is recommended)"
                               : "     3 - to repeat calculation with usage of UNIFAC method\r\n"
                                 "          (is recommended)");
    } else {
      request.Alternatives = {" вариант 1", " вариант 2", " вариант 3"};
      request.Prompt = "  Экспериментальные данные по равновесию в системе " + first + "-" +
                       second +
                       " отсутствуют.\r\n  Выберите один из следующих вариантов:\r\n"
                       "     1 - задать энергетические параметры модели " +
                       model + " самостоятельно;\r\n     2 - завершить работу программы\r\n" +
                       (unifac ? "     3 - воспользоваться данными Терваника из\r\n"
                                 "        справочной литературы (рекомендуется)"
                               : "     3 - повторить расчет с использованием метода UNIFAC\r\n"
                                 "          (рекомендуется)");
    }
    const int choice = Dialog().ChooseAlternative(request);
    if (choice < 0 || choice > 2) throw std::out_of_range("alternative outside 0..2");
    return choice;
  }

  Real& Energy(int i, int j) { return EnergyParameter(params_, i, j); }

  std::string ObtainBinaryParameters(PairSource source, int i, int j, GridRequest& grid) {
    const BinaryModelTexts& model = BinaryModel(modelLetter_);
    const bool nrtl = modelLetter_ == 'N';
    if (source == PairSource::Fit) {
      const SolverVector x = FitPair(FitModelOf(modelLetter_), fit_);
      Energy(i, j) = x[0];
      Energy(j, i) = x[1];
      if (nrtl) params_.NrtlAlpha[i][j] = params_.NrtlAlpha[j][i] = x[2];
    } else {
      const GridAnswer answer = AskTypedParameters(model, i, j, grid);
      Energy(i, j) = TypedValue(answer, 0) / EnergyScale;
      Energy(j, i) = TypedValue(answer, 1) / EnergyScale;
      if (nrtl) params_.NrtlAlpha[i][j] = params_.NrtlAlpha[j][i] = TypedValue(answer, 2);
    }
    const std::string unit(kEnergyUnit.Get());
    std::string report = model.ReportLabels[0] + Shown(InKilojoules(Energy(i, j))) + unit +
                         model.ReportLabels[1] + Shown(InKilojoules(Energy(j, i))) + unit;
    if (nrtl) report += model.ReportLabels[2] + Shown(params_.NrtlAlpha[i][j]);
    return report;
  }

  GridAnswer AskTypedParameters(const BinaryModelTexts& model, int i, int j, GridRequest& grid) {
    const std::string unit(kEnergyUnit.Get());
    const std::string entry(kEntryWord.Get());
    for (int column = 0; column < model.Columns; ++column)
      AddParameterColumn(grid, model.Headers[column], column < 2 ? unit : "");
    grid.Caption = std::string(kGridCaptionStart.Get()) + model.Name;
    grid.Prompt = entry + model.PromptLabels[0] + unit + " (1- " + CompNames[i] + "; 2- " +
                  CompNames[j] + ");" + "\r\n" + entry + model.PromptLabels[1] + unit;
    if (model.Columns == 3) grid.Prompt += "\r\n" + entry + " alp12";
    return Dialog().EnterNumberGrid(grid);
  }

  int NComp_;
  std::span<const std::uint16_t> indexes_;
  char& modelLetter_;
  TVLEParams& params_;
  ResultsText& text_;
  std::array<GroupBlock, kMaxComponents> blocks_{};  // UNIFAC: each component's own groups
  int paramSource_ = 0;  // the last answer to the question for a pair without data, 1..3
  std::string pairTitle_;
  PairFit fit_;
};

}  // namespace

Real& EnergyParameter(TVLEParams& params, int i, int j) {
  return EnergyEntry(params, i, j);
}

Real EnergyParameter(const TVLEParams& params, int i, int j) {
  return EnergyEntry(params, i, j);
}

void EstimateParameters(int NComp, std::span<const std::uint16_t> indexes, char& modelLetter,
                        TVLEParams& params, ResultsText& text) {
  if (NComp < 2 || NComp > kMaxComponents || indexes.size() < static_cast<std::size_t>(NComp))
    throw std::invalid_argument("EstimateParameters takes 2 to 4 components");
  EstimationDialogue(NComp, indexes, modelLetter, params, text).Run();
}

}  // namespace vexilor
