#pragma once

#include <QIcon>

// The toolbar images every screen shares, drawn rather than loaded.
namespace toolicons {
QIcon closeScreen(); // an open door with an arrow leaving it
QIcon guide();       // an open book
QIcon icCard();      // an IC card with the waves of a contactless reader
} // namespace toolicons
