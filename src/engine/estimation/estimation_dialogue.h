// The estimation dialogue: asks which activity-coefficient model to use and
// obtains its energy parameters for every pair of the chosen components, by
// fitting them to the pair's measured equilibrium, by letting the user type
// them or, under UNIFAC, from the literature table.
#pragma once

#include <cstdint>
#include <span>

#include "engine/thermo/vle_params.h"

namespace vexilor {

class ResultsText;

//! Runs the estimation for NComp (2..4) components given by their indexes
//! into the component database, in the order chosen. Asks through Dialog(),
//! writes its report into text, sets CompNames and CompConstants, and
//! leaves the complete parameter set in params; modelLetter receives the
//! letter of the model finally used (W, N, Q or F). Pairs are taken in the
//! order (0,1), (0,2), ..., (1,2), ...
//!
//! A pair without measurements lets the user type its parameters, end the
//! program (ProgramTermination) or switch to UNIFAC (once; under UNIFAC:
//! take the literature values). Arithmetic faults of a fit pass on as
//! NumericFailure.
void EstimateParameters(int NComp, std::span<const std::uint16_t> indexes, char& modelLetter,
                        TVLEParams& params, ResultsText& text);

//! Where the binary model of params' letter keeps the energy parameter of
//! components i, j: the Wilson a (W), NRTL b (N) or UNIQUAC a (Q) matrix.
Real& EnergyParameter(TVLEParams& params, int i, int j);
Real EnergyParameter(const TVLEParams& params, int i, int j);

}  // namespace vexilor
