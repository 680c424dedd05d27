#pragma once

class QFrame;
class QLabel;
class QVBoxLayout;

// Dresses the frame as a raised panel laid over a screen, with the title as
// the dark bar across its top. Returns the layout of the panel's body below
// the title, inset from the panel's sides.
QVBoxLayout *dressPanel(QFrame *panel, QLabel *title);
