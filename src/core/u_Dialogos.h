#pragma once
// Ponto único por onde as telas falam com o usuário em caixas modais.
// O programa usa a implementação real; os testes instalam uma roteirizada.
#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

enum class TIcone
{
    Nenhum,
    Informacao,
    Aviso,
    Erro,
    Pergunta
};

class IDialogos
{
public:
    virtual ~IDialogos() = default;
    // Caixa de mensagem com um botão OK. Título vazio: o título do programa.
    virtual void mensagem(const QString& texto, const QString& titulo = QString(), TIcone icone = TIcone::Nenhum) = 0;
    // Pergunta Sim/Não; simPadrao escolhe o botão pré-selecionado. Devolve true para Sim.
    virtual bool pergunta(const QString& texto, const QString& titulo = QString(), bool simPadrao = false) = 0;
    // Caixa de entrada; false quando cancelada (valor fica como estava).
    virtual bool entrada(const QString& titulo, const QString& rotulo, QString& valor) = 0;
    // Escolha de arquivo para abrir; texto vazio quando cancelada.
    virtual QString escolherArquivo(const QString& titulo, const QString& filtro, const QString& pasta = QString()) = 0;
    // Abre uma janela de forma modal e devolve o resultado de exec().
    virtual int executarModal(QDialog* janela) = 0;
};

// A implementação em uso (a real, se nenhuma outra foi instalada).
IDialogos& Dialogos();
// Instala outra implementação (testes); nullptr volta à real. Não toma posse.
void InstalarDialogos(IDialogos* dialogos);
