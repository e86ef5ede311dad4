#pragma once

class QPainter;

namespace sylvenor::draw {

// The pictures of the buttons, on a 100 × 100 grid over a transparent background. They carry no
// words (except "OK"), so that they stay clear next to the French labels of the windows.
class ButtonIconPainter {
 public:
  static void paintPupil(QPainter& painter);
  static void paintTeacher(QPainter& painter);
  static void paintDoorExit(QPainter& painter);
  static void paintExitArrow(QPainter& painter);
  static void paintRedExitSign(QPainter& painter);
  static void paintGreenYes(QPainter& painter);
  static void paintGreenNo(QPainter& painter);
  static void paintRightMark(QPainter& painter);
  static void paintWrongMark(QPainter& painter);
  static void paintAccept(QPainter& painter);
  static void paintThumbUp(QPainter& painter);
  static void paintThumbDown(QPainter& painter);
  static void paintHourglass(QPainter& painter);
  static void paintMenuArrow(QPainter& painter);
  static void paintBigCheck(QPainter& painter);
  static void paintEdit(QPainter& painter);
  static void paintBin(QPainter& painter);
  static void paintImport(QPainter& painter);
  static void paintExport(QPainter& painter);
  static void paintMagnifier(QPainter& painter);
};

}  // namespace sylvenor::draw
