#include "customers/u_IconesCadastro.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

void pagina(QPainter& p)
{
    QPainterPath folha;
    folha.moveTo(14, 6);
    folha.lineTo(40, 6);
    folha.lineTo(50, 16);
    folha.lineTo(50, 58);
    folha.lineTo(14, 58);
    folha.closeSubpath();
    p.setPen(QPen(QColor(90, 90, 90), 2));
    p.setBrush(Qt::white);
    p.drawPath(folha);
    p.drawLine(QPointF(40, 6), QPointF(40, 16));
    p.drawLine(QPointF(40, 16), QPointF(50, 16));
    p.setPen(QPen(QColor(170, 170, 170), 2));
    for (int y = 26; y <= 48; y += 7)
        p.drawLine(20, y, 44, y);
}

void desenhar(QPainter& p, const QString& nome)
{
    p.setRenderHint(QPainter::Antialiasing);
    if (nome == QLatin1String("novo")) {
        pagina(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(46, 160, 67));
        p.drawEllipse(QPointF(46, 46), 14, 14);
        p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(46, 38, 46, 54);
        p.drawLine(38, 46, 54, 46);
    } else if (nome == QLatin1String("salvar")) {
        p.setPen(QPen(QColor(20, 60, 120), 2));
        p.setBrush(QColor(40, 100, 190));
        p.drawRoundedRect(QRectF(8, 8, 48, 48), 4, 4);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(16, 8, 32, 18));
        p.setBrush(QColor(20, 60, 120));
        p.drawRect(QRectF(38, 11, 6, 12));
        p.setBrush(QColor(225, 232, 240));
        p.drawRect(QRectF(16, 34, 32, 22));
    } else if (nome == QLatin1String("excluir")) {
        p.setPen(QPen(QColor(120, 20, 20), 2));
        p.setBrush(QColor(205, 45, 45));
        p.drawRoundedRect(QRectF(18, 20, 28, 36), 3, 3);
        p.drawRoundedRect(QRectF(12, 12, 40, 7), 2, 2);
        p.drawRect(QRectF(26, 7, 12, 5));
        p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
        for (int x = 25; x <= 39; x += 7)
            p.drawLine(x, 26, x, 50);
    } else if (nome == QLatin1String("buscar")) {
        p.setPen(QPen(QColor(60, 60, 60), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(38, 38), QPointF(56, 56));
        p.setPen(QPen(QColor(60, 60, 60), 4));
        p.setBrush(QColor(190, 225, 250));
        p.drawEllipse(QPointF(27, 27), 17, 17);
    } else if (nome == QLatin1String("cancelar")) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 140, 20));
        p.drawEllipse(QPointF(32, 32), 25, 25);
        p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(22, 22, 42, 42);
        p.drawLine(42, 22, 22, 42);
    }
}

} // namespace

QIcon IconeCadastro(const QString& nome)
{
    QPixmap figura(64, 64);
    figura.fill(Qt::transparent);
    QPainter p(&figura);
    desenhar(p, nome);
    p.end();
    return QIcon(figura);
}
