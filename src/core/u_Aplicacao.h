#pragma once
// A aplicação: erros que escapam de um evento aparecem numa caixa e encerram só o evento.
#include <QApplication>

class TAplicacao : public QApplication
{
public:
    TAplicacao(int& argc, char** argv);
    bool notify(QObject* receptor, QEvent* evento) override;
};

// Pasta de travas do Firebird embutido: todo processo no mesmo arquivo precisa usar a mesma.
// Só quando o usuário não é root e FIREBIRD_LOCK não foi definido. Chamar antes de conectar.
void PrepararAmbienteFirebird();
