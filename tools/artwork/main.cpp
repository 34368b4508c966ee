// lexikite-artwork: draws the program's embedded pictures into a folder at build time.
#include <cstdio>
#include <functional>
#include <map>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <string>

#include "app/ArtPaths.h"
#include "ArtKit.h"
#include "Pictures.h"

namespace {
using Painter = std::function<void(QPainter&, QSize)>;

struct Job {
    Painter paint;
    bool opaque;
};

QString fileName(const char* path) {
    return QString::fromLatin1(path).mid(QStringLiteral(":/art/").size());
}

bool save(const QImage& image, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        std::fprintf(stderr, "lexikite-artwork: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool render(const Job& job, QSize size, int scale, const QString& path) {
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                         QPainter::TextAntialiasing);
        p.scale(scale, scale);
        job.paint(p, size);
    }
    if (job.opaque) image = image.convertToFormat(QImage::Format_RGB32);
    return save(image, path);
}

std::map<std::string, Job> jobs(const ArtKit& kit, const QString& iconSvg) {
    std::map<std::string, Job> j;
    enum Backdrop { Opaque, SeeThrough };
    auto add = [&](const ArtImage& art, Backdrop backdrop, Painter paint) {
        j[art.path] = Job{std::move(paint), backdrop == Opaque};
    };
    add(Art::Home, Opaque, [&](QPainter& p, QSize s) { paintHome(p, kit, s); });
    add(Art::Menu, Opaque, [&](QPainter& p, QSize s) { paintMenu(p, kit, s); });
    add(Art::Screen, Opaque, [&](QPainter& p, QSize s) { paintScreen(p, kit, s); });
    add(Art::Congrats, Opaque, [&](QPainter& p, QSize s) { paintCongrats(p, kit, s); });
    add(Art::Strip, Opaque, [&](QPainter& p, QSize s) { paintStrip(p, kit, s); });
    add(Art::Splash, SeeThrough, [&](QPainter& p, QSize s) { paintSplash(p, kit, s); });
    auto icon = [iconSvg](QPainter& p, QSize s) { QSvgRenderer(iconSvg).render(&p, QRectF(QPointF(), s)); };
    for (const ArtImage& art : {Art::Icon, Art::Icon16, Art::Icon24, Art::Icon32, Art::Icon48, Art::Icon64,
                                Art::Icon128, Art::Icon256})
        add(art, SeeThrough, icon);
    const std::pair<ArtImage, Face> buttons[] = {{Art::ButtonNormal, Face::Normal},
                                                 {Art::ButtonHover, Face::Hover},
                                                 {Art::ButtonPressed, Face::Pressed},
                                                 {Art::ButtonDisabled, Face::Disabled}};
    for (const auto& [art, face] : buttons)
        add(art, SeeThrough, [face](QPainter& p, QSize s) { paintButton(p, s, face); });
    const BarKind kinds[] = {BarKind::Social, BarKind::Home, BarKind::Menu, BarKind::About,
                             BarKind::Settings};
    const Face faces[] = {Face::Normal, Face::Hover, Face::Pressed};
    for (int k = 0; k < 5; ++k)
        for (int f = 0; f < 3; ++f)
            add(Art::BarFaces[k][f], SeeThrough,
                [&kit, kind = kinds[k], face = faces[f]](QPainter& p, QSize s) {
                    paintBar(p, kit, s, kind, face);
                });
    const std::pair<ArtImage, SmallIcon> smalls[] = {{Art::Close, SmallIcon::Close},
                                                     {Art::Play, SmallIcon::Play},
                                                     {Art::Prev, SmallIcon::Prev},
                                                     {Art::Next, SmallIcon::Next}};
    for (const auto& [art, which] : smalls)
        add(art, SeeThrough, [&kit, which](QPainter& p, QSize s) { paintSmallIcon(p, kit, s, which); });
    return j;
}
} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: lexikite-artwork OUTPUT-DIR EMOJI-SVG-DIR ICON-SVG\n");
        return 2;
    }
    QElapsedTimer clock;
    clock.start();
    const QString out = args[1];
    const QString iconSvg = args[3];
    if (!QDir().mkpath(out) || !QSvgRenderer(iconSvg).isValid()) {
        std::fprintf(stderr, "lexikite-artwork: cannot use %s or %s\n", qPrintable(out), qPrintable(iconSvg));
        return 1;
    }
    ArtKit kit(args[2]);
    const auto table = jobs(kit, iconSvg);
    bool ok = true;
    int written = 0;
    for (const ArtImage& art : Art::All) {
        const QString name = fileName(art.path);
        if (name.endsWith(QStringLiteral(".svg"))) {
            QFile::remove(out + QLatin1Char('/') + name);
            ok = QFile::copy(iconSvg, out + QLatin1Char('/') + name) && ok;
            ++written;
            continue;
        }
        const auto job = table.find(art.path);
        if (job == table.end()) {
            std::fprintf(stderr, "lexikite-artwork: nothing draws %s\n", art.path);
            ok = false;
            continue;
        }
        const QSize size(art.width, art.height);
        ok = render(job->second, size, 1, out + QLatin1Char('/') + name) && ok;
        ++written;
        if (art.hasDouble) {
            ok = render(job->second, size, 2,
                        out + QLatin1Char('/') + name.chopped(4) + QStringLiteral("@2x.png")) &&
                 ok;
            ++written;
        }
    }
    if (!kit.missing().isEmpty())
        std::fprintf(stderr, "lexikite-artwork: warning: emoji not found, drawn as discs: %s\n",
                     qPrintable(kit.missing().join(QLatin1Char(' '))));
    std::printf("lexikite-artwork: %d files in %lld ms\n", written, static_cast<long long>(clock.elapsed()));
    return ok ? 0 : 1;
}
