// The column equations: steady-state material and enthalpy balances of a
// chain of equilibrium stages (still, trays, dephlegmator). ColumnResiduals
// maps the unknowns (per stage the first n-1 liquid fractions and the
// liquid and vapour flows divided by the flow scale) to the balance
// residuals, and leaves the full column state in the solution fields.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/column/column_problem.h"
#include "engine/shell/real.h"
#include "engine/thermo/table_lookup.h"
#include "engine/thermo/vle_models.h"

namespace vexilor {

class ResultsText;

//! The column state every evaluation of the residuals writes.
struct ColumnSolution {
  std::vector<Real> Temp;                  //!< per stage, reduced temperature T / 273.15 K
  std::vector<Real> LiqFlow;               //!< liquid leaving each stage downwards, per second
  std::vector<Real> VapFlow;               //!< vapour leaving each stage upwards, per second
  std::vector<std::vector<Real>> LiqConc;  //!< [component][stage], fractions
  std::vector<std::vector<Real>> VapConc;  //!< [component][stage], fractions
  Real FlowScale = 0;                      //!< G, from the still's enthalpy balance
  Real HeatScale = 0;                      //!< scale of the enthalpy residuals, kW
  Real DephlHeat = 0;                      //!< overall enthalpy balance of the last evaluation, kW
  Real DephlHeatFixed = 0;                 //!< the overall balance frozen by the global method, kW
  //! 0: the dephlegmator duty closes the overall balance (global method);
  //! 1: it stays at DephlHeatFixed and the discrepancy table is shown.
  int Phase = 0;

  //! All fields sized for stages and components, zero.
  void Allocate(int stages, int components);
};

//! Enthalpies per unit flow of one stage: liquid, feed liquid and vapour;
//! kJ/kg in mass units, kJ/kmol in molar units.
struct StageEnthalpies {
  Real HL = 0;
  Real HF = 0;
  Real HV = 0;
};

//! The heat terms and data the run prepares for the equations.
struct HeatTerms {
  Real Qs = 0;                  //!< SteamFlow * saturated-steam enthalpy, kW
  Real Qc = 0;                  //!< SteamFlow * condensate enthalpy, kW (dead steam)
  std::vector<Real> HeatInput;  //!< per stage: Qs on the still for live steam, else 0
  Real TotalFeed = 0;           //!< sum of the feed flows
  std::string WaterName;        //!< name of the water component (liquid enthalpy of the steam)
};

//! Murphree vapour efficiency of every tray.
inline constexpr Real kTrayEfficiency = 1;

class ColumnEquations {
 public:
  //! names and molarMasses: the chosen components in VLE order. Names are
  //! resolved to their database records here, once.
  ColumnEquations(const ColumnProblem& problem, ColumnSolution& solution, TVLEObj& model,
                  std::span<const std::string> names, std::span<const Real> molarMasses,
                  const HeatTerms& heat, ResultsText& text);

  //! Bubble point of stage j's liquid: writes Temp[j] and the vapour
  //! VapConc[.][j] (the still's equilibrium vapour, on a tray the Murphree
  //! step from the vapour below, in the dephlegmator 0.995 of the vapour
  //! below and 0.005 of the equilibrium vapour) and returns the stage's
  //! enthalpies at its temperature. Stages are evaluated in increasing order.
  StageEnthalpies StageEquilibrium(int j);

  //! The balance residuals R at the unknowns u (a ResidualProc). Component
  //! and total residuals are divided by the flow scale G, enthalpy ones by
  //! HeatScale. In Phase 1 the unscaled residuals of every stage replace the
  //! rows of the discrepancy table. Lets pending events through once; a stop
  //! request throws RunStopped. Arithmetic faults throw NumericFailure.
  void ColumnResiduals(const SolverVector& u, SolverVector& R);

  //! Line of the results text where the discrepancy table's rows begin.
  void SetDiscrepancyBase(int lineIndex) { discrepancyBase_ = lineIndex; }

  //! Residual evaluations so far.
  long Evaluations() const { return evaluations_; }

 private:
  //! The bubble point of the liquid x (mole fractions) of stage j: the
  //! reduced temperature and the equilibrium vapour.
  void BubblePoint(int j, const ComponentVector& x, Real& tau, ComponentVector& y);
  //! Liquid and vapour enthalpy of a component at t deg C.
  void Enthalpies(int component, Real t, Real& liquid, Real& vapour);
  void ShowDiscrepancyRow(int j, const SolverVector& R);

  const ColumnProblem& problem_;
  ColumnSolution& solution_;
  TVLEObj& model_;
  const HeatTerms& heat_;
  ResultsText& text_;
  int n_;
  int lastStage_;  // NT + 1
  std::array<const Pro*, kMaxComponents> records_{};
  std::array<Real, kMaxComponents> molarMass_{};
  const Pro* water_ = nullptr;
  // Segments of the last enthalpy lookups: per component, and of the water
  // of the live steam; neighbouring stages mostly share one.
  std::array<TableSegment, kMaxComponents> enthalpySegments_{};
  TableSegment waterSegment_;
  std::vector<StageEnthalpies> enthalpies_;  // per stage, of the current evaluation

  // The bubble point depends on nothing but the liquid and the pressure,
  // so a stage whose liquid is bit for bit the one of its last bubble point
  // takes that result again. The difference quotients of both methods move
  // one unknown at a time, so most stages keep their liquid.
  struct BubbleMemo {
    bool Valid = false;
    ComponentVector X{};
    Real Tau = 0;
    ComponentVector Y{};
  };
  std::vector<BubbleMemo> bubbleMemo_;
  int discrepancyBase_ = 0;
  long evaluations_ = 0;
};

}  // namespace vexilor
