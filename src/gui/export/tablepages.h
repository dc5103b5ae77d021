// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/output/tabledocument.h"

class QIODevice;
class QPagedPaintDevice;

// The results table laid out as pages of a process sheet on any paged device (a PDF writer, a
// printer or its preview): A4 landscape, the title, date and machine lines at the top of every
// page, a ruled table whose heading row repeats on each page, and "Страница N из M" at the
// bottom. The text is drawn as text in DejaVu Sans, so a PDF stays searchable and holds Cyrillic.
// The device's page layout is replaced.
void paintTablePages(QPagedPaintDevice& device, const TableDocument& document);

// The pages as a PDF written to `output` (a QSaveFile, so that a failed write leaves an existing
// file as it was). False when the PDF could not be begun or finished on the device.
bool writeTablePdf(QIODevice& output, const TableDocument& document);
