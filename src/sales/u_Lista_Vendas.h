#pragma once
// Lista das vendas gravadas: busca por número, nome do cliente e período; reimpressão, exclusão
// e a quitação (pela ficha do cliente).
#include <QDate>
#include <QDialog>
#include <memory>

namespace Ui {
class Tfrm_Lista_Vendas;
}
class TDataset;

class Tfrm_Lista_Vendas : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_Lista_Vendas(QWidget* parent = nullptr);
    ~Tfrm_Lista_Vendas() override;

    TDataset* Qry_Vendas() const { return m_vendas; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void done(int resultado) override;

private:
    void btnBuscarClick();
    void buscarPeriodo();
    void reabrir();
    void atualizarBotoes();
    void btnImprimirVendaClick();
    void btnExcluirClick();
    void btnQuitarClick();
    void ajustarColunas();

    std::unique_ptr<Ui::Tfrm_Lista_Vendas> ui;
    TDataset* m_vendas = nullptr;
    // a última busca por texto (número ou nome), que o período e a atualização repetem
    enum TFiltro
    {
        Nenhum,
        PorNumero,
        PorNome
    };
    TFiltro m_filtro = Nenhum;
    int m_numero = 0;
    QString m_nome;
    bool m_periodo = false;
    QDate m_inicio;
    QDate m_fim;
};
