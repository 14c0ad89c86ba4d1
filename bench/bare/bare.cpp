// The yardstick for bench/startup: the fewest lines of plain toolkit code that put on the screen
// what Corvane shows at start-up (a maximised frame with three menus, two child windows, a
// splash with a picture and two options) and, once the splash is accepted, a hidden window with
// its total shown, after which it sleeps until the user acts. Whatever Corvane spends beyond this
// is its own.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace {

void addMenu(QMenuBar *bar, const QString &title, const QStringList &items)
{
    QMenu *menu = bar->addMenu(title);
    for (const QString &item : items) {
        if (item.isEmpty())
            menu->addSeparator();
        else
            menu->addAction(item);
    }
}

QMdiSubWindow *addChild(QMdiArea *area, QWidget *content, Qt::WindowFlags flags)
{
    QMdiSubWindow *sub = area->addSubWindow(content, flags);
    sub->adjustSize();
    sub->setFixedSize(sub->sizeHint());
    return sub;
}

QWidget *buttonColumn()
{
    auto *column = new QWidget;
    column->setFixedSize(201, 354);
    const char *captions[] = {"Block Quantities", "Concrete Quantities", "Length Conversions", "Pipe Volumes",
                              "Wall Framing",     "Water Volumes",       "Total Costs"};
    int top = 8;
    for (const char *caption : captions) {
        (new QPushButton(QString::fromLatin1(caption), column))->setGeometry(16, top, 169, 33);
        top += 48;
    }
    return column;
}

QWidget *bigLabel()
{
    auto *label = new QLabel(QStringLiteral("Corvane"));
    label->setFixedSize(736, 231);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(96);
    font.setBold(true);
    label->setFont(font);
    return label;
}

// A hidden child whose total is shown once, as the program's cost list works it out when a cost
// changes and not before.
void showHiddenTotal(QMdiArea *area)
{
    auto *content = new QWidget;
    content->setFixedSize(389, 465);
    auto *total = new QLabel(content);
    total->setGeometry(166, 448, 105, 17);
    QMdiSubWindow *sub = addChild(area, content, Qt::SubWindow | Qt::FramelessWindowHint);
    sub->hide();
    double costs[5] = {};
    double sum = 0;
    for (double cost : costs)
        sum += cost;
    total->setText(QString::number(sum));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QPixmap picture(QStringLiteral(":/icon.png"));
    QApplication::setWindowIcon(QIcon(picture));

    QMainWindow frame;
    frame.setWindowTitle(QStringLiteral("Bare"));
    auto *area = new QMdiArea;
    area->setBackground(QColor(255, 224, 192));
    frame.setCentralWidget(area);
    QMenuBar *bar = frame.menuBar();
    addMenu(bar, QStringLiteral("File"), {QStringLiteral("Total Costs"), QString(), QStringLiteral("Exit")});
    addMenu(bar, QStringLiteral("Plugins"),
            {QStringLiteral("Block Quantities"), QStringLiteral("Concrete Quantities"),
             QStringLiteral("Length Conversions"), QStringLiteral("Pipe Volumes"), QStringLiteral("Wall Framing"),
             QStringLiteral("Water Volumes")});
    addMenu(bar, QStringLiteral("Other"), {QStringLiteral("Quick Menu")});
    QMdiSubWindow *banner = addChild(area, bigLabel(), Qt::SubWindow | Qt::FramelessWindowHint);
    QMdiSubWindow *menu = addChild(area, buttonColumn(), Qt::SubWindow);
    menu->setWindowTitle(QStringLiteral("Quick Menu"));
    banner->lower();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    frame.setGeometry(screen);
    frame.setWindowState(Qt::WindowMaximized);
    frame.show();

    QWidget splash(nullptr, Qt::Window | Qt::CustomizeWindowHint);
    splash.setFixedSize(493, 313);
    (new QLabel(QStringLiteral("Version 1.0"), &splash))->setGeometry(392, 104, 81, 17);
    (new QLabel(QStringLiteral("Tesmond's"), &splash))->setGeometry(160, 16, 137, 25);
    (new QLabel(QStringLiteral("Corvane"), &splash))->setGeometry(192, 48, 281, 41);
    auto *image = new QLabel(&splash);
    image->setPixmap(picture);
    image->setGeometry(16, 16, 140, 140);
    auto *disclaimer = new QLabel(QStringLiteral("Disclaimer: the results are guidance only."), &splash);
    disclaimer->setGeometry(168, 120, 313, 145);
    disclaimer->setWordWrap(true);
    auto *ok = new QPushButton(QStringLiteral("Ok"), &splash);
    ok->setGeometry(432, 280, 49, 25);
    auto *agree = new QRadioButton(QStringLiteral("I Agree"), &splash);
    agree->setGeometry(344, 264, 65, 17);
    auto *disagree = new QRadioButton(QStringLiteral("I Disagree"), &splash);
    disagree->setGeometry(344, 288, 81, 17);
    QWidget::setTabOrder(ok, agree);
    QWidget::setTabOrder(agree, disagree);
    QObject::connect(ok, &QPushButton::clicked, &splash, [&] {
        if (!agree->isChecked())
            return;
        showHiddenTotal(area);
        splash.close();
    });
    splash.move(screen.center() - splash.rect().center());
    splash.show();
    splash.raise();
    splash.activateWindow();
    ok->setFocus();
    splash.repaint();
    return QApplication::exec();
}
