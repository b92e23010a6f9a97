// Writing to the results database: storing a finished run and deleting a
// stored calculation, each as one transaction (all rows or none).
#pragma once

#include <QString>

#include "engine/results/finished_run.h"

namespace vexilor::store {

class TDM;

//! Stores a finished run: its InitData row, one AddData row per stream
//! (the feeds, then the takeoffs, each in tray order; a takeoff carries
//! the liquid composition of its tray) and one RctResult row per tray
//! 0 .. N+1. Flows are stored times the run's flow factor, concentrations
//! in percent, texts cut to their field's width. Returns the new Rect_Id.
//! Throws DatabaseError, having written nothing.
int StoreCalculation(TDM& dm, const FinishedRun& run);

//! Stores a run in the database file at path (opened, and created when
//! missing, for this call only). For front ends without a browser.
int StoreCalculationInFile(const QString& path, const FinishedRun& run);

//! Deletes a calculation together with its stream and tray rows.
//! Throws DatabaseError, having deleted nothing.
void DeleteCalculation(TDM& dm, int rectId);

//! The text cut to at most width characters (not bytes, not UTF-16 units).
QString CutToWidth(const QString& text, int width);

}  // namespace vexilor::store
