// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPainter;
class QRectF;

// The program's pictures, drawn in code into any box so that they stay sharp at every size. None
// is copied from an image file: the flags are drawn from their plain geometry.
namespace glyph {

void exit(QPainter &painter, const QRectF &box);
void sliders(QPainter &painter, const QRectF &box);
void calculator(QPainter &painter, const QRectF &box);
void elementTile(QPainter &painter, const QRectF &box);
void gear(QPainter &painter, const QRectF &box);
void help(QPainter &painter, const QRectF &box);
void info(QPainter &painter, const QRectF &box);
void link(QPainter &painter, const QRectF &box);
void play(QPainter &painter, const QRectF &box);
void pause(QPainter &painter, const QRectF &box);
void clock(QPainter &painter, const QRectF &box);
void picture(QPainter &painter, const QRectF &box);
void quiz(QPainter &painter, const QRectF &box);

void flagCroatia(QPainter &painter, const QRectF &box);
void flagUnitedKingdom(QPainter &painter, const QRectF &box);
void flagGermany(QPainter &painter, const QRectF &box);
void flagFrance(QPainter &painter, const QRectF &box);
void flagItaly(QPainter &painter, const QRectF &box);

} // namespace glyph
