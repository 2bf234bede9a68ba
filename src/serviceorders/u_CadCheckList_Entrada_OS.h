#pragma once
// O checklist de entrada de uma OS: cada duplo clique marca ou desmarca a linha, com a data e o
// funcionário. As linhas vêm de ModuloDados->Qry_CheckLista_Entrada_OS.
#include <QDialog>
#include <memory>

namespace Ui {
class Tfrm_CadChecklist_Entrada_OS;
}
class QAction;

class Tfrm_CadChecklist_Entrada_OS : public QDialog
{
    Q_OBJECT
public:
    Tfrm_CadChecklist_Entrada_OS(int vNROS, QWidget* pai = nullptr);
    ~Tfrm_CadChecklist_Entrada_OS() override;

    int nros() const { return m_nros; }
    // Mostra "Aparelho : marca-modelo" da OS.
    void MostrarAparelho(const QString& vMarca, const QString& vModelo);
    void dbg_CheckListDblClick();
    void ImprimirReciboClick();

protected:
    void done(int resultado) override;

private:
    std::unique_ptr<Ui::Tfrm_CadChecklist_Entrada_OS> ui;
    QAction* act_ImprimirRecibo = nullptr;
    int m_nros = 0;
};

// "Gerar Checklist para a OS": gera, se a OS ainda não tem, e abre o checklist da OS.
void AbrirCheckListdaOS(int vNROS, QWidget* pai);
// "Gerar nova Checklist para a OS": troca as linhas (e as marcas) por uma cópia nova dos pontos.
void GerarNovaCheckListdaOS(int vNROS);
