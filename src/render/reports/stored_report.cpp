#include "render/reports/stored_report.h"

#include "engine/shell/format.h"
#include "engine/shell/lang.h"
#include "render/pictures/stored_pictorial_data.h"
#include "render/reports/report_pictures.h"
#include "store/display_text.h"
#include "store/schema.h"

namespace vexilor::render {

namespace {

ReportColumnType ColumnType(store::FieldType type) {
  switch (type) {
    case store::FieldType::AutoIncrement:
    case store::FieldType::SmallInt:
      return ReportColumnType::Integer;
    case store::FieldType::Double:
      return ReportColumnType::Float;
    case store::FieldType::Date:
    case store::FieldType::Text:
      return ReportColumnType::Text;
  }
  return ReportColumnType::Text;
}

//! A feed whose columns are the fields of a results table.
ReportTable FeedOver(std::string_view name, const store::TableDef& table) {
  ReportTable feed;
  feed.Name = std::string(name);
  for (const store::FieldDef& field : table.Fields) {
    feed.Columns.push_back({field.Name, ColumnType(field.Type), field.Width});
  }
  return feed;
}

void PutReal(RowWriter& row, std::optional<double> value) {
  if (value) {
    row.Float(*value);
  } else {
    row.Null();
  }
}

void PutInt(RowWriter& row, std::optional<int> value) {
  if (value) {
    row.Integer(*value);
  } else {
    row.Null();
  }
}

ReportRecord InitRecord(const std::vector<ReportColumn>& columns, const store::InitDataRow& init) {
  RowWriter row(columns);
  row.Integer(init.Rect_Id);
  if (init.RDate.isValid()) {
    row.Text(init.RDate.toString(Qt::ISODate).toStdString());
  } else {
    row.Null();
  }
  row.Integer(init.RquantTrays);
  row.Integer(init.RquantFeeds);
  row.Integer(init.RquantCatch);
  PutReal(row, init.RtrayEff);
  row.Float(init.RheatStCons);
  PutReal(row, init.RheatStPres);
  row.Text(init.RheatKind);
  PutReal(row, init.RPressure);
  row.Text(init.RMethod);
  PutInt(row, init.RquantComp);
  for (const std::string& name : init.RComp) row.Text(name);
  for (const std::optional<double>& mass : init.RM) PutReal(row, mass);
  row.Text(init.RdimConc);
  row.Text(init.RdimConsum);
  PutInt(row, init.RLang);
  row.Text(init.RfileVLE);
  PutInt(row, init.RmolMass);
  return std::move(row).Finish();
}

ReportRecord StreamRecord(const std::vector<ReportColumn>& columns,
                          const store::AddDataRow& stream) {
  RowWriter row(columns);
  row.Integer(stream.AddDat_Id);
  row.Text(stream.Apurpose);
  row.Integer(stream.ATrayNum);
  row.Float(stream.AConsum);
  for (const std::optional<double>& concentration : stream.Aconc) PutReal(row, concentration);
  PutInt(row, stream.ARect);
  return std::move(row).Finish();
}

ReportRecord TrayRecord(const std::vector<ReportColumn>& columns, const store::RctResultRow& tray) {
  RowWriter row(columns);
  row.Integer(tray.TRes_Id);
  PutInt(row, tray.TrayNmb);
  PutReal(row, tray.Temper);
  PutReal(row, tray.TLiqCons);
  PutReal(row, tray.TVapCons);
  for (std::size_t k = 0; k < tray.TXcomp.size(); ++k) {
    PutReal(row, tray.TXcomp[k]);
    PutReal(row, tray.TYcomp[k]);
  }
  row.Integer(tray.TRect);
  return std::move(row).Finish();
}

}  // namespace

std::vector<ReportTable> StoredCalculationFeeds(const store::StoredCalculation* calculation) {
  ReportTable init = FeedOver(kStoredInitFeed, store::InitDataTable());
  ReportTable streams = FeedOver(kStoredStreamFeed, store::AddDataTable());
  ReportTable trays = FeedOver(kStoredTrayFeed, store::RctResultTable());
  if (calculation != nullptr) {
    init.Rows.push_back(InitRecord(init.Columns, calculation->Init));
    for (const store::AddDataRow& stream : calculation->Streams) {
      streams.Rows.push_back(StreamRecord(streams.Columns, stream));
    }
    for (const store::RctResultRow& tray : calculation->Trays) {
      trays.Rows.push_back(TrayRecord(trays.Columns, tray));
    }
  }
  return {std::move(init), std::move(streams), std::move(trays)};
}

std::optional<std::string> StoredValueText(const ReportColumn& column, const ReportValue& value) {
  const auto* real = std::get_if<Real>(&value);
  if (store::ShownInFixedPoint(column.Name)) {
    return store::FixedPointText(real ? std::optional<double>(static_cast<double>(*real))
                                      : std::nullopt);
  }
  if (real) return Format("%.15Lg", *real);
  if (const auto* text = std::get_if<std::string>(&value)) {
    if (text->empty()) return std::nullopt;
    return *text;
  }
  return DefaultValueText(column, value);
}

RenderedReport RenderStoredReport(store::TDM& dm) {
  const std::optional<store::StoredCalculation> calculation =
      store::LoadCalculationAtRecordNumber(dm, dm.ReportRecNo);
  return RenderStoredReport(calculation ? &*calculation : nullptr);
}

RenderedReport RenderStoredReport(const store::StoredCalculation* calculation) {
  ReportInput input;
  input.Project = kStoredProject;
  input.Lang = Lang;
  input.Tables = StoredCalculationFeeds(calculation);
  input.Formatter = StoredValueText;
  if (calculation != nullptr) {
    try {
      input.Pictures = ReportPicturePages(PictorialDataFromStored(*calculation, Lang));
    } catch (const PictureError& error) {
      input.PictureNote = error.what();
    }
  }
  return RenderReport(input);
}

}  // namespace vexilor::render
