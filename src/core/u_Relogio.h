#pragma once
// Data, hora e nome da estação vêm daqui, para que os testes possam fixá-los.
#include <QDate>
#include <QDateTime>
#include <QString>

QDate Hoje();
QDateTime Agora();
QString NomeDaEstacao();

// Testes: fixa o relógio (inválido volta ao relógio do sistema) e o nome da estação (vazio volta ao do sistema).
void FixarRelogio(const QDateTime& momento);
void FixarNomeDaEstacao(const QString& nome);

// Pasta do executável, onde ficam Config.ini, Impressora.ini e as figuras (com a barra final).
QString PastaAplicacao();
// Testes: aponta a pasta do programa para outra (vazio volta à do executável).
void FixarPastaAplicacao(const QString& pasta);
