// The plot of the sample figure: its SVG read back by Qt's XML reader (well
// formed, every point and angle name as character data), and the QPainter
// renderer painting the same scene inside its rectangle, ellipse turned
// clockwise from north as the check's azimuth says.
#include "ui/qt/plot_painter.h"

#include <QImage>
#include <QTest>
#include <QXmlStreamReader>

#include "check/check_observations.h"
#include "plot/svg_plot.h"
#include "window_test_support.h"

namespace velmora::qt_tests {
namespace {

struct SampleRun {
  AdjustmentState state;
  RigorousCheck check;
};

SampleRun sampleRun() {
  SampleRun run{sampleFigureState(), {}};
  run.check = *rigorousAdjustment(checkObservations(run.state)).check;
  return run;
}

/// The character data of every <text> element, or the reader's error.
QStringList svgTexts(const std::string& svg, QString& error) {
  QXmlStreamReader reader(QByteArray::fromStdString(svg));
  QStringList texts;
  while (!reader.atEnd()) {
    if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QStringLiteral("text")) {
      texts.append(reader.readElementText());
    }
  }
  if (reader.hasError()) error = reader.errorString();
  return texts;
}

bool isWhite(QRgb pixel) { return qRed(pixel) > 245 && qGreen(pixel) > 245 && qBlue(pixel) > 245; }

}  // namespace

class PlotPainterTest : public QObject {
  Q_OBJECT

 private slots:
  void svgIsWellFormedAndHoldsEveryName_data() {
    QTest::addColumn<QString>("pointName");
    QTest::newRow("plain") << QStringLiteral("P7");
    QTest::newRow("markup") << QStringLiteral("P<7>&\"'");
    QTest::newRow("chinese") << QStringLiteral("新点七");
  }

  void svgIsWellFormedAndHoldsEveryName() {
    QFETCH(QString, pointName);
    SampleRun run = sampleRun();
    run.state.pointName = pointName.toStdString();
    QString error;
    const QStringList texts = svgTexts(plotSvg(buildPlotScene(run.state, run.check)), error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QStringList names = {
        QStringLiteral("A"),    QStringLiteral("B"),    QStringLiteral("C"),    pointName,
        QStringLiteral("A(1)"), QStringLiteral("B(1)"), QStringLiteral("C(1)"), QStringLiteral("A(2)"),
        QStringLiteral("B(2)"), QStringLiteral("C(2)"), QStringLiteral("A(3)"), QStringLiteral("B(3)"),
        QStringLiteral("C(3)")};
    for (const QString& name : names) QVERIFY2(texts.contains(name), qPrintable(name));
  }

  void paintsTheSceneInsideItsRectangle() {
    const SampleRun run = sampleRun();
    const PlotScene scene = buildPlotScene(run.state, run.check);
    QImage image(1000, 900, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const QRect target(100, 50, 800, 800);
    {
      QPainter painter(&image);
      paintPlotScene(painter, scene, target);
    }
    int outside = 0, drawn = 0, red = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QRgb pixel = image.pixel(x, y);
        if (!target.contains(x, y)) {
          outside += qAlpha(pixel) != 0 ? 1 : 0;
        } else if (!isWhite(pixel) && qAlpha(pixel) != 0) {
          ++drawn;
          red += qRed(pixel) > 150 && qGreen(pixel) < 120 ? 1 : 0;
        }
      }
    }
    QCOMPARE(outside, 0);
    QVERIFY2(drawn > 5000, qPrintable(QString::number(drawn)));
    QVERIFY2(red > 100, qPrintable(QString::number(red)));  // the ellipse and P's circle
  }

  void ellipseTurnsClockwiseFromNorth() {
    PlotScene scene;
    scene.width = scene.height = 400.0;
    scene.ellipse = PlotEllipse{{200.0, 200.0}, 150.0, 10.0, 45.0};  // towards north-east
    QImage image(400, 400, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
      QPainter painter(&image);
      paintPlotScene(painter, scene, QRectF(0.0, 0.0, 400.0, 400.0));
    }
    // North-east is up and to the right; south-east, down and to the right, stays white.
    QVERIFY(!isWhite(image.pixel(200 + 70, 200 - 70)));
    QVERIFY(!isWhite(image.pixel(200 - 70, 200 + 70)));
    QVERIFY(isWhite(image.pixel(200 + 70, 200 + 70)));
    QVERIFY(isWhite(image.pixel(200 - 70, 200 - 70)));
  }
};

}  // namespace velmora::qt_tests

QTEST_MAIN(velmora::qt_tests::PlotPainterTest)
#include "plot_painter_test.moc"
