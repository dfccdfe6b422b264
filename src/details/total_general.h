#pragma once
// The foot of the detail windows: "Total General:" and, to its right, the figure of the rows'
// total.

class QLabel;
class QWidget;

// Lays the caption and the figure out in `pie` and gives the figure: `Lbl_total_general`,
// "0,00 " until the rows are summed.
QLabel* crearTotalGeneral(QWidget* pie);
