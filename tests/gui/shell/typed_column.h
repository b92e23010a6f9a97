// A column typed into the entry dialog field by field, as a user does, and
// confirmed: one feed of the first component's percentage and two takeoffs.
#pragma once

#include <QLineEdit>
#include <QString>
#include <QTest>

#include "gui/dialogs/column_entry_dialog.h"
#include "gui/dialogs/string_grid.h"
#include "gui/support/modal_driver.h"

namespace vexilor::testing {

struct TypedStream {
  const char* Tray;
  const char* Flow;
};

struct TypedColumn {
  const char* SteamFlow;
  const char* SteamPressure;
  const char* Trays;
  TypedStream Feed;
  const char* FeedPercent;
  TypedStream Takeoffs[2];
};

inline void TypeColumnAndConfirm(gui::ColumnEntryDialog* dialog, const TypedColumn& column) {
  auto type = [dialog](const char* field, const char* text) {
    auto* edit = dialog->findChild<QLineEdit*>(field);
    edit->setText(QString::fromLatin1(text));
    QTest::keyClick(edit, Qt::Key_End);
  };
  type("edSteamCons", column.SteamFlow);
  type("edSteamPress", column.SteamPressure);
  type("edTotalNumb", column.Trays);
  type("edFeedNumb", "1");
  type("edCatchNumb", "2");
  auto* feed = dialog->findChild<gui::StringGrid*>("strGrFeed");
  TypeIntoCell(feed, 1, 2, column.Feed.Tray);
  TypeIntoCell(feed, 2, 2, column.Feed.Flow);
  TypeIntoCell(feed, 3, 2, column.FeedPercent);
  auto* catches = dialog->findChild<gui::StringGrid*>("strGrCatch");
  for (int k = 0; k < 2; ++k) {
    TypeIntoCell(catches, 1, 2 + k, column.Takeoffs[k].Tray);
    TypeIntoCell(catches, 2, 2 + k, column.Takeoffs[k].Flow);
  }
  ClickButton(dialog, "bitBtOk");
}

}  // namespace vexilor::testing
