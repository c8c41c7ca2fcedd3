#ifndef LUMETRIX_SOLVER_SOLVERVIEW_H
#define LUMETRIX_SOLVER_SOLVERVIEW_H

// What the solver needs from the window that shows the values.
class SolverView {
public:
    // Takes the fields' texts into the value store.
    virtual void ReadFields() = 0;
    // Shows the value store's values in the fields.
    virtual void WriteFields() = 0;
    // Shows the given flags in the checkboxes and the computed flags as read-only fields.
    virtual void ShowRoles() = 0;

protected:
    ~SolverView() = default;
};

// The engine without a window: the value store is the only copy of the values.
class NoView final : public SolverView {
public:
    void ReadFields() override {}
    void WriteFields() override {}
    void ShowRoles() override {}
};

#endif
