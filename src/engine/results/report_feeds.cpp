#include "engine/results/report_feeds.h"

#include <stdexcept>

#include "engine/shell/lang.h"
#include "engine/thermo/component_base.h"

namespace vexilor {

namespace {

constexpr auto kText = ReportColumnType::Text;
constexpr auto kInteger = ReportColumnType::Integer;
constexpr auto kFloat = ReportColumnType::Float;

//! Millimetres of mercury per pascal: the column pressure is kept in Pa.
constexpr Real kPascalPerMmHg = 133.3L;

constexpr TextPair kDeadSteam{"dead steam", "глухой пар"};
constexpr TextPair kLiveSteam{"live steam", "острый пар"};
constexpr TextPair kFeedPurpose{"Feed submission", "Подача питания"};
constexpr TextPair kTakeoffPurpose{"Select. of fract.", "Отбор фракции"};

std::size_t BaseRecords() {
  return ComponentBase.size();
}

const char* TypeName(ReportColumnType type) {
  switch (type) {
    case ReportColumnType::Text:
      return "text";
    case ReportColumnType::Integer:
      return "integer";
    case ReportColumnType::Float:
      return "floating-point";
  }
  return "?";
}

}  // namespace

int ReportTable::ColumnIndex(std::string_view name) const {
  for (std::size_t i = 0; i < Columns.size(); ++i) {
    if (Columns[i].Name == name) return static_cast<int>(i);
  }
  return -1;
}

const ReportValue& ReportTable::Value(std::size_t row, std::string_view column) const {
  const int index = ColumnIndex(column);
  if (index < 0) {
    throw std::out_of_range("feed " + Name + " has no column " + std::string(column));
  }
  return Rows.at(row).at(static_cast<std::size_t>(index));
}

std::string NumberedColumnName(std::string_view prefix, std::size_t index) {
  std::string name(prefix);
  name.push_back(static_cast<char>('1' + index));
  return name;
}

RowWriter::RowWriter(const std::vector<ReportColumn>& columns) : columns_(columns) {
  values_.reserve(columns.size());
}

void RowWriter::Text(std::string_view value) {
  Put(kText, std::string(value));
}
void RowWriter::Integer(std::int64_t value) {
  Put(kInteger, value);
}
void RowWriter::Float(Real value) {
  Put(kFloat, value);
}

void RowWriter::Null() {
  if (values_.size() >= columns_.size()) {
    throw std::logic_error("row written past its last column");
  }
  values_.emplace_back(std::monostate{});
}

void RowWriter::Put(ReportColumnType type, ReportValue value) {
  if (values_.size() >= columns_.size()) {
    throw std::logic_error("row written past its last column");
  }
  const ReportColumn& column = columns_[values_.size()];
  if (column.Type != type) {
    throw std::logic_error("column " + column.Name + " is " + TypeName(column.Type) +
                           ", written as " + TypeName(type));
  }
  values_.push_back(std::move(value));
}

ReportRecord RowWriter::Finish() && {
  if (values_.size() != columns_.size()) {
    throw std::logic_error("row has " + std::to_string(values_.size()) + " values for " +
                           std::to_string(columns_.size()) + " columns");
  }
  return std::move(values_);
}

ReportTable ReadConnection(CustomConnection& connection) {
  ReportTable table;
  table.Name = std::string(connection.Name());
  connection.DeclareColumns(table.Columns);
  const int rowCount = connection.Open();
  for (int r = 0; r < rowCount; ++r) {
    RowWriter writer(table.Columns);
    connection.WriteRow(writer);
    table.Rows.push_back(std::move(writer).Finish());
  }
  return table;
}

CurrentRunFeeds::CurrentRunFeeds(const FinishedRun& run) : run_(run) {}

std::vector<ReportTable> CurrentRunFeeds::ReadAll() {
  std::vector<ReportTable> tables;
  tables.push_back(ReadConnection(InitCustomConnect));
  tables.push_back(ReadConnection(AddCustomConnection));
  tables.push_back(ReadConnection(ResultCustomConnection));
  return tables;
}

// --- header -------------------------------------------------------------

void CurrentRunFeeds::InitConnection::DeclareColumns(std::vector<ReportColumn>& columns) const {
  columns.insert(columns.end(), {{"QuantTrays", kInteger, 12},
                                 {"TrayEff", kFloat, 12},
                                 {"HeatStCons", kFloat, 12},
                                 {"HeatStPres", kFloat, 12},
                                 {"HeatKind", kText, 12},
                                 {"Pressure", kFloat, 12},
                                 {"Method", kText, 12},
                                 {"QuantComp", kInteger, 12},
                                 {"DimConc", kText, 12},
                                 {"DimConsum", kText, 12}});
  for (std::size_t i = 0; i < BaseRecords(); ++i) {
    columns.push_back({NumberedColumnName("Comp", i), kText, 12});
  }
}

void CurrentRunFeeds::InitConnection::WriteRow(RowWriter& row) {
  const FinishedRun& run = feeds_.run_;
  row.Integer(run.TrayCount);
  row.Float(run.TrayEfficiency);
  row.Float(run.SteamFlowKgPerHour());
  row.Float(run.SteamPressure);
  row.Text((run.DeadSteam() ? kDeadSteam : kLiveSteam)(Lang));
  row.Float(run.ColumnPressure / kPascalPerMmHg);
  row.Text(run.ModelName);
  row.Integer(run.ComponentCount());
  row.Text(run.ConcUnit);
  row.Text(run.FlowUnit);
  for (std::size_t i = 0; i < BaseRecords(); ++i) {
    if (i < run.CompNames.size()) {
      row.Text(run.CompNames[i]);
    } else {
      row.Null();
    }
  }
}

// --- connections with an open event ---------------------------------------

int CurrentRunFeeds::CountedConnection::Open() {
  rowCount_ = CountRows();
  feeds_.ReportRow = 0;
  return rowCount_;
}

void CurrentRunFeeds::CountedConnection::WriteRow(RowWriter& row) {
  if (feeds_.ReportRow < rowCount_) WriteRowAt(feeds_.ReportRow, row);
  ++feeds_.ReportRow;
}

// --- streams ------------------------------------------------------------

void CurrentRunFeeds::StreamConnection::DeclareColumns(std::vector<ReportColumn>& columns) const {
  columns.insert(columns.end(),
                 {{"Purpose", kText, 16}, {"TrayNum", kInteger, 4}, {"Consum", kFloat, 6}});
  for (std::size_t i = 0; i < BaseRecords(); ++i) {
    columns.push_back({NumberedColumnName("Conc_", i), kFloat, 12});
  }
}

int CurrentRunFeeds::StreamConnection::CountRows() const {
  return static_cast<int>(Run().FeedTrays.size() + Run().CatchTrays.size());
}

void CurrentRunFeeds::StreamConnection::WriteRowAt(int r, RowWriter& row) const {
  const FinishedRun& run = Run();
  const int feedCount = static_cast<int>(run.FeedTrays.size());
  const bool feed = r < feedCount;
  const std::size_t stage = feed ? run.FeedTrays.at(static_cast<std::size_t>(r))
                                 : run.CatchTrays.at(static_cast<std::size_t>(r - feedCount));
  // A takeoff leaves with the liquid of its tray; a feed brings its own composition.
  const auto& flow = feed ? run.FeedFlow : run.CatchFlow;
  const auto& composition = feed ? run.FeedComp : run.LiqConc;
  row.Text((feed ? kFeedPurpose : kTakeoffPurpose)(Lang));
  row.Integer(static_cast<std::int64_t>(stage));
  row.Float(flow.at(stage) * run.FlowFactor());
  for (std::size_t i = 0; i < BaseRecords(); ++i) {
    if (i < run.CompNames.size()) {
      row.Float(composition.at(i).at(stage) * 100);
    } else {
      row.Null();
    }
  }
}

// --- trays --------------------------------------------------------------

void CurrentRunFeeds::TrayConnection::DeclareColumns(std::vector<ReportColumn>& columns) const {
  columns.insert(columns.end(), {{"TrayNmb", kInteger, 4},
                                 {"Temper", kFloat, 6},
                                 {"LiqCons", kFloat, 6},
                                 {"VapCons", kFloat, 6}});
  for (std::size_t i = 0; i < BaseRecords(); ++i) {
    columns.push_back({NumberedColumnName("Xcomp_", i), kFloat, 6});
    columns.push_back({NumberedColumnName("Ycomp_", i), kFloat, 6});
  }
}

int CurrentRunFeeds::TrayConnection::CountRows() const {
  return Run().StageCount();
}

void CurrentRunFeeds::TrayConnection::WriteRowAt(int j, RowWriter& row) const {
  const FinishedRun& run = Run();
  const auto stage = static_cast<std::size_t>(j);
  row.Integer(j);
  row.Float((run.Temp.at(stage) - 1) * 273.15L);
  row.Float(run.LiqFlow.at(stage) * run.FlowFactor());
  row.Float(run.VapFlow.at(stage) * run.FlowFactor());
  for (std::size_t i = 0; i < BaseRecords(); ++i) {
    if (i < run.CompNames.size()) {
      row.Float(run.LiqConc.at(i).at(stage) * 100);
      row.Float(run.VapConc.at(i).at(stage) * 100);
    } else {
      row.Null();
      row.Null();
    }
  }
}

}  // namespace vexilor
