#pragma once
// Configuração das impressoras (Impressora.ini na pasta do programa) e a escolha da impressora
// de cada finalidade, lida de novo a cada impressão.
#include <QDialog>
#include <QString>
#include <QStringList>

class QListWidget;

namespace Ui
{
class frm_ListaImpressoras;
}

// Valor devolvido quando o arquivo, a seção ou a chave faltam; não casa com impressora nenhuma.
inline const QString kErroLerIni = QStringLiteral("Erro ao ler o valor");

QString ArquivoImpressoras();
// Lê Impressora.ini; kErroLerIni quando falta.
QString LerImpressoraIni(const QString& secao, const QString& chave);
// Impressora configurada para a seção (IMPRESSORA_OS_PADRAO, IMPRESSORA_VENDAS, ...), se instalada;
// vazio quando não está, e o relatório vai para a padrão do sistema.
QString ImpressoraDaFinalidade(const QString& secao);

class Tfrm_ListaImpressoras : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_ListaImpressoras(QWidget* parent = nullptr);
    ~Tfrm_ListaImpressoras() override;

private:
    void FormCreate();
    void Salvar();

    Ui::frm_ListaImpressoras* ui;
};

// A mais recente criada (a da inicialização ou a do menu).
extern Tfrm_ListaImpressoras* frm_ListaImpressoras;
