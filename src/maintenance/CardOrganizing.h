#pragma once

#include "data/CalcSettings.h"
#include "data/SafetyFolder.h"
#include "maintenance/MonthList.h"
#include "screen/Services.h"

// The card organizing screen (frmseiri) without its widgets: the list of card
// months, the selection with the question for the month in use, and the
// deletion of the selected months.
class CardOrganizing {
public:
    explicit CardOrganizing(Services &services);

    // Reads Kijyun.Dat (creating it when missing) and lists the months. False
    // when a fatal file error ended the program.
    bool open();

    // The month listing: the data folder's entries whose names hold "月",
    // oldest month first; equal keys keep their listing order, and names that
    // are no card month go last.
    void fillList();
    const MonthList &list() const { return m_list; }

    // A click on entry index that left it selected or not. Selecting the
    // month in use asks first; Cancel deselects it again. Returns whether the
    // entry is selected afterwards.
    bool click(int index, bool selected);

    // Command1 "削　除". True when months were deleted: the screen closes.
    // Months still within the retention period are asked about a second time.
    bool deleteSelected();
    // The selected months whose records must still be kept today.
    QStringList stillKept() const;

    // The card month the punch clock works in today.
    QString monthInUse() const;

    // The safety folder under the list (lbltaihi): what deletions and
    // restores kept, and its size. Read at open() and after emptying.
    const SafetyFolder::Contents &safety() const { return m_safety; }
    QString safetyText() const;
    // cmdtaihi "控えを空にする": asks, then removes all that was kept. True
    // when the folder was emptied.
    bool emptySafety();

private:
    Services &m_s;
    CalcSettings m_settings;
    MonthList m_list;
    SafetyFolder::Contents m_safety;
};
