// The report of a calculation kept in the results database (layout
// RvRectif): three feeds over the tables InitData, AddData and RctResult,
// holding only the calculation that is current in the database browser.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/results/report_feeds.h"
#include "render/reports/report_template.h"
#include "store/data_module.h"
#include "store/stored_calculation.h"

namespace vexilor::render {

//! Feed over InitData: the row of the calculation reported.
inline constexpr std::string_view kStoredInitFeed = "RvInitDatSetConnect";
//! Feed over AddData: its streams, feeds first.
inline constexpr std::string_view kStoredStreamFeed = "RvAddDatSetConnect";
//! Feed over RctResult: its trays, 0 to N+1.
inline constexpr std::string_view kStoredTrayFeed = "RvRctResSetConnect";

//! The three feeds of a stored calculation; their columns are the fields
//! of the tables, in table order and under the field names. Without a
//! calculation the feeds have their columns and no rows.
std::vector<ReportTable> StoredCalculationFeeds(const store::StoredCalculation* calculation);

//! How stored values show, in reports as in the browser's grids: the
//! steam consumption and the stream and tray values in "%8.4f" (an empty
//! one as 0.0000), other numbers in their shortest exact form, and empty
//! fields and empty texts as null.
std::optional<std::string> StoredValueText(const ReportColumn& column, const ReportValue& value);

//! Fills the layout RvRectif of the language of interface (Lang) with a
//! stored calculation (none: empty feeds) and the pages of its pictorial
//! results, or a note why it cannot be drawn. Throws ReportError for a
//! template at fault.
RenderedReport RenderStoredReport(const store::StoredCalculation* calculation);

//! RenderStoredReport of the calculation at record number dm.ReportRecNo,
//! the one current in the browser. Throws store::DatabaseError as well
//! when the database cannot be read.
RenderedReport RenderStoredReport(store::TDM& dm);

}  // namespace vexilor::render
