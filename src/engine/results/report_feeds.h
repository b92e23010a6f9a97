// Data feeds of the reports: tables of typed columns and rows of nullable
// values. The report templates address the values by column name, so the
// names, types and order declared here are the contract between the
// program and every report layout.
//
// A feed is pulled the way a report engine pulls a custom data connection:
// it asks for the columns (column event), opens the connection, which says
// how many rows follow (open event), and then asks for one row after the
// other (row event), each written value by value in column order.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/results/finished_run.h"
#include "engine/shell/real.h"

namespace vexilor {

enum class ReportColumnType { Text, Integer, Float };

//! One declared column of a feed.
struct ReportColumn {
  std::string Name;
  ReportColumnType Type = ReportColumnType::Text;
  int Width = 0;  //!< characters
};

//! One value of a row: null (std::monostate), text, integer or floating point.
using ReportValue = std::variant<std::monostate, std::string, std::int64_t, Real>;
using ReportRecord = std::vector<ReportValue>;

//! A feed read in full: its name, its columns and all its rows.
struct ReportTable {
  std::string Name;
  std::vector<ReportColumn> Columns;
  std::vector<ReportRecord> Rows;

  //! Index of the named column, or -1.
  int ColumnIndex(std::string_view name) const;
  //! Value of a row in the named column; throws std::out_of_range for an
  //! unknown column or row.
  const ReportValue& Value(std::size_t row, std::string_view column) const;
};

//! Name of a numbered column: the prefix and one character, "1" for index
//! 0, "2" for index 1 and so on (the code of "1" plus the index).
std::string NumberedColumnName(std::string_view prefix, std::size_t index);

//! Collects the values of one row in column order and checks each against
//! the type its column declared, so a feed cannot drift from its columns.
class RowWriter {
 public:
  explicit RowWriter(const std::vector<ReportColumn>& columns);

  void Text(std::string_view value);
  void Integer(std::int64_t value);
  void Float(Real value);
  void Null();

  //! The written row; throws std::logic_error unless every column got a value.
  ReportRecord Finish() &&;

 private:
  void Put(ReportColumnType type, ReportValue value);

  const std::vector<ReportColumn>& columns_;
  ReportRecord values_;
};

//! A data connection fed by the program.
class CustomConnection {
 public:
  virtual ~CustomConnection() = default;

  virtual std::string_view Name() const = 0;
  //! Column event: appends the declared columns in order.
  virtual void DeclareColumns(std::vector<ReportColumn>& columns) const = 0;
  //! Open event: the number of rows that follow. A connection without an
  //! open event supplies exactly one row.
  virtual int Open() { return 1; }
  //! Row event: writes the next row.
  virtual void WriteRow(RowWriter& row) = 0;
};

//! Pulls a connection as the report engine does: columns, open, then one
//! row event per row.
ReportTable ReadConnection(CustomConnection& connection);

//! The three feeds of the report of the current run. The numbered columns
//! run over every record of ComponentBase; those beyond the run's
//! components are null. Texts chosen by language (heating kind, purpose of
//! a stream) follow the global Lang when the rows are written.
//!
//! The run must outlive the feeds; they only read it.
class CurrentRunFeeds {
 public:
  explicit CurrentRunFeeds(const FinishedRun& run);
  CurrentRunFeeds(const CurrentRunFeeds&) = delete;
  CurrentRunFeeds& operator=(const CurrentRunFeeds&) = delete;

  //! The header of the run: one row.
  class InitConnection : public CustomConnection {
   public:
    explicit InitConnection(CurrentRunFeeds& feeds) : feeds_(feeds) {}
    std::string_view Name() const override { return "InitCustomConnect"; }
    void DeclareColumns(std::vector<ReportColumn>& columns) const override;
    void WriteRow(RowWriter& row) override;

   private:
    CurrentRunFeeds& feeds_;
  };

  //! A connection whose open event counts its rows and resets ReportRow,
  //! and whose row event writes row ReportRow while it is below that count
  //! and then advances ReportRow.
  class CountedConnection : public CustomConnection {
   public:
    explicit CountedConnection(CurrentRunFeeds& feeds) : feeds_(feeds) {}
    int Open() final;
    void WriteRow(RowWriter& row) final;

   protected:
    virtual int CountRows() const = 0;
    virtual void WriteRowAt(int r, RowWriter& row) const = 0;
    const FinishedRun& Run() const { return feeds_.run_; }

   private:
    CurrentRunFeeds& feeds_;
    int rowCount_ = 0;
  };

  //! One row per stream: the feeds, then the takeoffs.
  class StreamConnection : public CountedConnection {
   public:
    using CountedConnection::CountedConnection;
    std::string_view Name() const override { return "AddCustomConnection"; }
    void DeclareColumns(std::vector<ReportColumn>& columns) const override;

   protected:
    int CountRows() const override;
    void WriteRowAt(int r, RowWriter& row) const override;
  };

  //! One row per stage 0 .. N+1.
  class TrayConnection : public CountedConnection {
   public:
    using CountedConnection::CountedConnection;
    std::string_view Name() const override { return "ResultCustomConnection"; }
    void DeclareColumns(std::vector<ReportColumn>& columns) const override;

   protected:
    int CountRows() const override;
    void WriteRowAt(int j, RowWriter& row) const override;
  };

  //! Row counter shared by the stream and the tray connection; each open
  //! resets it, so every report starts from the first row.
  std::uint16_t ReportRow = 0;

  InitConnection InitCustomConnect{*this};
  StreamConnection AddCustomConnection{*this};
  TrayConnection ResultCustomConnection{*this};

  //! Reads the three connections one after the other (header, streams,
  //! trays), each completely before the next is opened.
  std::vector<ReportTable> ReadAll();

 private:
  const FinishedRun& run_;
};

}  // namespace vexilor
