// Qt embeds a font as a subset of its glyphs and names the subset with a tag
// ("QMAAAA+IPAPGothic") in the font descriptor only; the font dictionaries
// keep the bare name, and PDF readers (pdffonts among them) look for the tag
// there. TagSubsetFonts gives those dictionaries the tagged name, as PDF
// files name a subset, and moves the offsets of the cross-reference table by
// the bytes inserted.
#pragma once

#include <QByteArray>

// The PDF with its subsets' names tagged; a file of any other form than Qt
// writes (one classic cross-reference table at the end) is returned as it is.
QByteArray TagSubsetFonts(const QByteArray& pdf);
