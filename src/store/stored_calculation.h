// Reading a stored calculation back: the InitData row with its fields
// typed, and its AddData (streams) and RctResult (trays) rows in the order
// they were stored. Empty (NULL) numbers are nullopt; empty texts are "".
// Texts are UTF-8.
#pragma once

#include <QDate>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "store/schema.h"

class QSqlRecord;

namespace vexilor::store {

class TDM;

using OptionalReal = std::optional<double>;
using OptionalInt = std::optional<int>;
using PerComponent = std::array<OptionalReal, kMaxStoredComponents>;

//! Header of a stored calculation (table InitData).
struct InitDataRow {
  int Rect_Id = 0;
  QDate RDate;  //!< null when empty
  int RquantTrays = 0;
  int RquantFeeds = 0;
  int RquantCatch = 0;
  OptionalReal RtrayEff;
  double RheatStCons = 0;    //!< heating steam consumption, kg/hour
  OptionalReal RheatStPres;  //!< heating steam pressure, kgf/cm2
  std::string RheatKind;     //!< "live s", "dead s", "острый", "глухой"
  OptionalReal RPressure;    //!< column pressure, mm Hg
  std::string RMethod;       //!< "Wilson", "NRTL", "UNIQUAC" or "UNIFAC"
  OptionalInt RquantComp;
  std::array<std::string, kMaxStoredComponents> RComp;  //!< RComp1 .. RComp7
  PerComponent RM;                                      //!< RM1 .. RM7, kg/kmol
  std::string RdimConc;                                 //!< concentration unit text
  std::string RdimConsum;                               //!< flow unit text
  OptionalInt RLang;                                    //!< 1 English, otherwise Russian
  std::string RfileVLE;
  OptionalInt RmolMass;  //!< 1 mass units, 2 molar units
};

//! One feed or takeoff stream (table AddData).
struct AddDataRow {
  int AddDat_Id = 0;
  std::string Apurpose;
  int ATrayNum = 0;
  double AConsum = 0;  //!< in the calculation's flow unit (RdimConsum)
  PerComponent Aconc;  //!< Aconc_1 .. Aconc_7, percent
  OptionalInt ARect;
};

//! Results of one tray (table RctResult).
struct RctResultRow {
  int TRes_Id = 0;
  OptionalInt TrayNmb;
  OptionalReal Temper;    //!< boiling temperature, deg C
  OptionalReal TLiqCons;  //!< liquid flow, in RdimConsum
  OptionalReal TVapCons;  //!< vapour flow, in RdimConsum
  PerComponent TXcomp;    //!< liquid concentrations, percent
  PerComponent TYcomp;    //!< vapour concentrations, percent
  int TRect = 0;
};

struct StoredCalculation {
  InitDataRow Init;
  std::vector<AddDataRow> Streams;  //!< feeds first, then takeoffs
  std::vector<RctResultRow> Trays;  //!< tray 0 (still) .. N+1 (dephlegmator)
};

//! The InitData fields of a record (a query row or a grid's row); fields
//! the record lacks read as empty.
InitDataRow InitDataFromRecord(const QSqlRecord& record);

//! The calculation with this Rect_Id, nullopt when there is none.
//! Throws DatabaseError when the database cannot be read.
std::optional<StoredCalculation> LoadCalculation(TDM& dm, int rectId);

//! Rect_Id of the calculation at a record number (from 1, in Rect_Id
//! order, as the browser lists them), nullopt outside the table.
std::optional<int> RectIdAtRecordNumber(TDM& dm, int recordNumber);

//! The calculation at a record number, e.g. TDM::ReportRecNo.
std::optional<StoredCalculation> LoadCalculationAtRecordNumber(TDM& dm, int recordNumber);

//! Rect_Id of every stored calculation, in record order.
std::vector<int> CalculationIds(TDM& dm);

}  // namespace vexilor::store
