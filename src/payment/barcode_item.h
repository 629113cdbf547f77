#pragma once
#include <QString>
#include <QStringList>

// Where an item sits in a barcode: "start-length", start 1-based ("12-10": ten characters from the
// twelfth). Parts are read as integers, an empty or bad part gives 0.
struct BarcodePosition {
    int start = 0;
    int length = 0;
    bool hasLength = false; // the text has a "-"

    static BarcodePosition parse(const QString& pos);
};

// The item at the position. The start must be smaller than the barcode's length; a shorter
// barcode gives fewer characters; a position without a start (0 or bad) or a length gives an empty item.
QString barcode_item(const QString& pos, const QString& barcode);
QString barcode_item(const BarcodePosition& pos, const QString& barcode);

// A comma list of positions with the blanks around each part dropped (empty parts left out).
QStringList barcode_position_list(const QString& positions);
// The part of a position list before its first ",".
QString barcode_first_position(const QString& positions);
