/* One operating point through libc3f8calc, printed as the window shows it.
 *
 *   cc worked_run.c $(pkg-config --cflags --libs c3f8calc) -o worked_run && ./worked_run
 */
#include <c3f8calc.h>

#include <stdio.h>

int main(void)
{
    /* tevap, tsub, x_we, x_wy, Qw, m: as typed into the window. */
    const char *const inputs[C3F8_INPUT_COUNT] = {"-25", "15", "0.1", "0.9", "500", "10"};
    char texts[C3F8_RESULT_COUNT][C3F8_TEXT_MAX];
    c3f8_outcome outcome;
    c3f8_status status = c3f8_calculate(inputs, ".", &texts[0][0], C3F8_TEXT_MAX, &outcome, NULL);
    if (status != C3F8_OK) {
        fprintf(stderr, "c3f8calc: %s\n", c3f8_status_text(status));
        return 1;
    }
    for (int32_t i = 0; i < C3F8_RESULT_COUNT; ++i) {
        c3f8_field_info field;
        c3f8_field(C3F8_INPUT_COUNT + i, &field);
        printf("%-16s %10s %s\n", field.caption, texts[i], field.unit);
    }
    for (int32_t w = 0; w < C3F8_WARNING_COUNT; ++w) {
        const char *name, *caption;
        c3f8_warning(w, &name, &caption);
        if (outcome.warnings[w] == 1)
            printf("%s\n", caption);
    }
    if (outcome.failure_kind >= 0) {
        char message[C3F8_TEXT_MAX];
        c3f8_failure_message(outcome.failure_kind, outcome.failure_field, message,
                             sizeof message, NULL);
        printf("%s\n", message);
        return 1;
    }
    return 0;
}
