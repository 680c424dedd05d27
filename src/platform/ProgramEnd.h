#pragma once

// The end of the program ("the program ends"): one call that a test observes
// instead of the process exiting.
class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    virtual void endProgram() = 0;
    virtual bool ended() const = 0;
};

// Leaves the event loop; the caller returns from its handler and nothing more
// is written.
class QtProgramEnd : public ProgramEnd {
public:
    void endProgram() override;
    bool ended() const override { return m_ended; }

private:
    bool m_ended = false;
};
