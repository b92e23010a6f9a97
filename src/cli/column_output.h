// What `vexilor-cli column` writes besides stdout: the results text file,
// the JSON summary, the results database, the report and the pictures.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/column/rectification_run.h"

namespace vexilor::cli {

//! Writes the results text file as the Save command does (the previous file
//! kept as its ".bak"), whole or not at all. Returns why it failed, or
//! nullopt.
std::optional<std::string> WriteResultsFile(const std::string& fileName,
                                            const std::vector<std::string>& lines);

//! The JSON summary of a solution: per stage t_C, L and V (in the flow
//! unit), x[] and y[] (fractions); the condenser duty in kW; the iteration
//! counts and the unit texts.
std::string ColumnJson(const RunResult& result);

//! Writes text into fileName whole or not at all. Returns why it failed.
std::optional<std::string> WriteWholeFile(const std::string& fileName, const std::string& text);

//! The report of a finished run into fileName (format by extension) and
//! its pictures as PNG pages; each returns why it failed, or nullopt.
std::optional<std::string> WriteReport(const FinishedRun& run, const std::string& fileName);
std::optional<std::string> WritePictures(const FinishedRun& run, const std::string& fileName);

//! Stores finished runs in the results database file at a path, reporting
//! failures on stderr.
class DatabaseFileStore : public ResultsStore {
 public:
  explicit DatabaseFileStore(std::string path) : path_(std::move(path)) {}
  void StoreCalculation(const FinishedRun& run) override;
  bool Failed() const { return failed_; }

 private:
  std::string path_;
  bool failed_ = false;
};

}  // namespace vexilor::cli
