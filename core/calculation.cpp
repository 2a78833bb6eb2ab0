#include "core/calculation.h"

#include "core/correlations.h"
#include "core/number_text.h"

#include <cmath>

namespace c3f8 {

namespace {

// Thrown inside a run only; calculate() hands it back in its outcome.
struct run_stopped
{
    calc_error error;
};

class run
{
public:
    run(field_record &record, std::string_view separator, run_outcome &outcome)
        : m_record(record), m_separator(separator), m_outcome(outcome)
    {
    }

    double read(field f) const
    {
        const auto value = text_to_number(m_record[f], m_separator);
        if (!value)
            throw run_stopped{{error_kind::conversion, f}};
        return *value;
    }

    // A value computed for the result field f; IEEE arithmetic does not trap, so every value
    // is checked before it goes any further.
    static double checked(double value, field f)
    {
        if (!std::isfinite(value))
            throw run_stopped{{error_kind::overflow, f}};
        return value;
    }

    static double divide(double dividend, double divisor, field f)
    {
        if (divisor == 0.0)
            throw run_stopped{{error_kind::division_by_zero, f}};
        return checked(dividend / divisor, f);
    }

    // Writes value into the result field f with that field's display pattern.
    void show(field f, double value)
    {
        m_record[f] = format_number(value, *row(f).shown_as, m_separator);
        m_outcome.values[index(f) - input_count] = value;
    }

    // Notes the temperature t of field f where the fits are not to be trusted.
    void check_fits(field f, double t)
    {
        if (!fits_trusted_range.holds(t))
            m_outcome.outside_fits.set(index(f));
    }

    void set_warning(warning w, bool visible)
    {
        m_record.warnings[index(w)] = visible;
        m_outcome.decided[index(w)] = true;
    }

private:
    field_record &m_record;
    std::string_view m_separator;
    run_outcome &m_outcome;
};

void perform(run &r)
{
    using f = field;

    // 1-2: the displayed pressure and the working pressure differ in their constant term.
    const double tevap = r.read(f::tevap);
    r.check_fits(f::tevap, tevap);
    r.show(f::pevap, run::checked(psat_shown(tevap), f::pevap));
    const double p = run::checked(psat(tevap), f::Hliq_sat);

    // 3-5
    const double Hliq = run::checked(hliq(p), f::Hliq_sat);
    r.show(f::Hliq_sat, Hliq);
    const double Hvap = run::checked(hvap(p), f::Hvap_sat);
    r.show(f::Hvap_sat, Hvap);
    const double tsub = r.read(f::tsub);
    r.check_fits(f::tsub, tsub);
    const double Hwe = run::checked(hliq(run::checked(psat(tsub), f::Hwe_cap)), f::Hwe_cap);
    r.show(f::Hwe_cap, Hwe);

    // 6-10: the outlet enthalpy is formed from the vapour side; that form decides whether the
    // rise between equal qualities comes out exactly zero.
    const double latent = run::checked(Hvap - Hliq, f::Hx_we);
    const double Hxwe = run::checked(Hliq + latent * r.read(f::x_we), f::Hx_we);
    const double Hxwy = run::checked(Hvap - latent * (1 - r.read(f::x_wy)), f::Hx_wy);
    const double dHw = run::checked(Hxwy - Hxwe, f::dHw);
    const double dHg = run::checked(Hxwe - Hwe, f::dHg);

    // 11-12: the warning compares the displayed, rounded rise.
    r.show(f::Hx_we, Hxwe);
    r.show(f::Hx_wy, Hxwy);
    r.show(f::dHw, dHw);
    r.show(f::dHg, dHg);
    r.set_warning(warning::Ostrzezenie, r.read(f::dHg) < 0);

    // 13-15: liquid at Tlsub_max expanded to the evaporation pressure should give x_we again.
    const double Tl = run::checked(tliq(Hxwe), f::Tlsub_max);
    r.show(f::Tlsub_max, Tl);
    r.check_fits(f::Tlsub_max, Tl);
    const double Hl = run::checked(hliq(run::checked(psat(Tl), f::x_we2)), f::x_we2);
    r.show(f::x_we2, run::divide(run::checked(Hl - Hliq, f::x_we2), latent, f::x_we2));

    // 16-17: W / (kJ/kg) = g/s and g/s * kJ/kg = W.
    r.show(f::m_opt, run::divide(r.read(f::Qw), dHw, f::m_opt));
    const double m = r.read(f::m);
    const double Qg = run::checked(m * run::checked(dHg + dHw, f::Qg) - r.read(f::Qw), f::Qg);
    r.show(f::Qg, Qg);

    // 18: the comparison is numeric, against the displayed two-decimal optimum.
    const double m_set = r.read(f::m);
    r.set_warning(warning::m_warn, m_set < r.read(f::m_opt));
}

} // namespace

run_outcome calculate(field_record &record, std::string_view separator)
{
    run_outcome outcome;
    run r(record, separator, outcome);
    try {
        perform(r);
    } catch (const run_stopped &stopped) {
        outcome.failure = stopped.error;
    }
    return outcome;
}

std::string failure_message(const calc_error &error)
{
    const std::string_view pattern = row(error.kind).message;
    const auto at = pattern.find("{}");
    std::string message(pattern.substr(0, at));
    message += row(error.field).caption;
    message += pattern.substr(at + 2);
    message += '\n';
    message += failure_consequence;
    return message;
}

} // namespace c3f8
