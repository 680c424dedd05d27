#pragma once

class EntryBox;
class QString;
class QWidget;

// A box for the administrator PIN: an entry box of digits that shows "*" for
// each character, takes at most six, has no input method, and keeps the focus
// on Enter (the button must be pressed); Esc empties it.
EntryBox *makePinBox(QWidget *parent, const QString &name);
