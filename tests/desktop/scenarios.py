"""The scenarios of the real-input suite, by group. Each group starts the
program afresh: df 1, value 3.841459, cdf 0.95, upper tail 0.05."""
import os
import tempfile
import subprocess
import time

import pyatspi
from gi.repository import GLib

from program import CDF, CHART, DENSITY_PREFIX, DF, KEEP_CDF, KEEP_VALUE, UPPER, VALUE
from session import Clipboard, Input, wait_for
from suite import Failure, scenario

GERMAN = {"LANG": "de_DE.UTF-8", "LC_ALL": "de_DE.UTF-8"}


def freeze(c, which):
    """Sets the freeze mode with a click on the box it needs, if any."""
    box = KEEP_VALUE if which == "value" else KEEP_CDF
    if not c.p.checked(box):
        c.p.click(box)
        c.becomes(f"{which} frozen", lambda: c.p.checked(box), True)


def start_over(c, df=1):
    """Back to the start values at `df`, the cdf frozen."""
    freeze(c, "cdf")
    set_df(c, df)
    c.replace_field(CDF, "0.95")
    Input.keys("Tab")
    c.field_becomes(VALUE, c.reference(df, "cdf", "0.95")["value"])


def set_df(c, df):
    c.p.focus_field(DF)
    Input.keys("ctrl+a")
    Input.type(str(df))
    Input.keys("Tab")
    c.becomes("df", c.p.df, df)


# ---------------------------------------------------------------- selecting and replacing

@scenario("selecting and replacing")
def ctrl_a_then_a_digit_replaces_the_value(c):
    c.replace_field(VALUE, "2")
    c.field_becomes(VALUE, "2")
    c.fields_agree_with(1, "value", "2")


@scenario("selecting and replacing")
def ctrl_a_the_first_time_in_the_cdf_and_upper_tail(c):
    c.replace_field(CDF, "0.9")
    c.field_becomes(CDF, "0.9")
    c.fields_agree_with(1, "cdf", "0.9")
    c.replace_field(UPPER, "0.2")
    c.field_becomes(UPPER, "0.2")
    c.fields_agree_with(1, "upper", "0.2")


@scenario("selecting and replacing")
def end_then_shift_home(c):
    c.p.focus_field(VALUE)
    Input.keys("End", "shift+Home")
    Input.type("5")
    c.field_becomes(VALUE, "5")
    c.fields_agree_with(1, "value", "5")


@scenario("selecting and replacing")
def shift_arrows_select_the_last_digits(c):
    c.replace_field(CDF, "0.95")
    c.p.focus_field(CDF)
    Input.keys("End", "shift+Left", "shift+Left")
    c.becomes("the selection", lambda: c.p.selection(CDF), (2, 4))
    Input.type("99")
    c.field_becomes(CDF, "0.99")
    c.fields_agree_with(1, "cdf", "0.99")


@scenario("selecting and replacing")
def double_click_selects_the_number(c):
    c.replace_field(VALUE, "23")
    Input.keys("Tab")
    c.p.click(VALUE, repeat=2)
    c.becomes("the selection", lambda: c.p.selection(VALUE), (0, 2))
    Input.type("7")
    c.field_becomes(VALUE, "7")
    c.fields_agree_with(1, "value", "7")


@scenario("selecting and replacing")
def mouse_drag_across_the_text(c):
    c.replace_field(VALUE, "123")
    Input.keys("Tab")
    x, y, w, h = c.p.extents(VALUE)
    Input.drag(x + 3, y + h // 2, x + w - 3)
    c.becomes("the selection", lambda: c.p.selection(VALUE), (0, 3))
    Input.type("9")
    c.field_becomes(VALUE, "9")


@scenario("selecting and replacing")
def tab_in_selects_everything(c):
    c.replace_field(VALUE, "4")
    Input.keys("shift+Tab")  # back to the cdf field, which selects it whole
    c.becomes("focus", lambda: c.p.focused(CDF), True)
    c.becomes("the selection", lambda: c.p.selection(CDF), (0, len(c.p.text(CDF))))
    Input.type("0.5")
    c.field_becomes(CDF, "0.5")
    c.fields_agree_with(1, "cdf", "0.5")


@scenario("selecting and replacing")
def triple_click_selects_the_line(c):
    c.p.click(UPPER, repeat=3)
    c.becomes("the selection", lambda: c.p.selection(UPPER), (0, len(c.p.text(UPPER))))
    Input.type("0.01")
    c.field_becomes(UPPER, "0.01")
    c.fields_agree_with(1, "upper", "0.01")


# ---------------------------------------------------------------- deleting and undoing

@scenario("deleting and undoing")
def backspace_over_a_selection_then_leaving_moves_nothing(c):
    c.replace_field(VALUE, "10")
    Input.keys("Tab")
    c.fields_agree_with(1, "value", "10")
    cdf = c.p.text(CDF)
    c.p.focus_field(CDF)
    Input.keys("ctrl+a", "BackSpace")
    c.field_becomes(CDF, "")
    Input.keys("Tab")
    c.field_becomes(CDF, cdf)  # back to its text, and the value stays 10
    c.field_becomes(VALUE, "10")


@scenario("deleting and undoing")
def delete_over_part_of_the_text(c):
    c.replace_field(VALUE, "12.75")
    c.p.focus_field(VALUE)
    Input.keys("End", "shift+Left", "shift+Left", "Delete")
    c.field_becomes(VALUE, "12.")
    c.fields_agree_with(1, "value", "12")


@scenario("deleting and undoing")
def undo_and_redo(c):
    c.replace_field(VALUE, "3")
    Input.keys("Tab")
    c.replace_field(VALUE, "6")
    Input.type("5")
    c.field_becomes(VALUE, "65")
    # As in every line edit, the typing since the selection is one step.
    Input.keys("ctrl+z")
    c.field_becomes(VALUE, "3")
    c.fields_agree_with(1, "value", "3")
    Input.keys("ctrl+y")
    c.field_becomes(VALUE, "65")
    c.fields_agree_with(1, "value", "65")


# ---------------------------------------------------------------- the clipboard

@scenario("the clipboard")
def copy_from_one_field_paste_into_another(c):
    c.p.focus_field(CDF)
    Input.keys("ctrl+a", "ctrl+c")
    c.becomes("clipboard", lambda: Clipboard.get(), "0.95")
    c.p.focus_field(UPPER)
    Input.keys("ctrl+a", "ctrl+v")
    c.field_becomes(UPPER, "0.95")
    c.fields_agree_with(1, "upper", "0.95")


@scenario("the clipboard")
def cut_and_paste_back(c):
    c.replace_field(VALUE, "8.5")
    Input.keys("ctrl+a", "ctrl+x")
    c.field_becomes(VALUE, "")
    c.becomes("clipboard", lambda: Clipboard.get(), "8.5")
    Input.keys("ctrl+v")
    c.field_becomes(VALUE, "8.5")
    c.fields_agree_with(1, "value", "8.5")


@scenario("the clipboard")
def triple_click_copy_paste_keeps_the_text(c):
    c.replace_field(VALUE, "10")
    Input.keys("Tab")
    cdf = c.p.text(CDF)
    c.p.click(CDF, repeat=3)
    Input.keys("ctrl+c")
    c.becomes("the selection after Ctrl+C", lambda: c.p.selection(CDF), (0, len(cdf)))
    Input.keys("ctrl+v")
    time.sleep(0.2)
    c.field_becomes(CDF, cdf)
    c.field_becomes(VALUE, "10")


@scenario("the clipboard")
def middle_button_pastes_the_selection(c):
    c.replace_field(VALUE, "")
    Input.keys("BackSpace")
    c.field_becomes(VALUE, "")
    # Selected elsewhere (after the field's own selection went away).
    Clipboard.set("3.5", "primary")
    x, y = c.p.centre(VALUE)
    Input.click(x, y, button=2)
    c.field_becomes(VALUE, "3.5")
    c.fields_agree_with(1, "value", "3.5")


@scenario("the clipboard")
def context_menu_paste_of_a_spreadsheet_cell(c):
    set_df(c, 12)
    c.p.focus_field(VALUE)
    Input.keys("ctrl+a")
    Clipboard.set(" 23.5\n")
    c.p.click(VALUE, button=3)
    time.sleep(0.4)
    Input.keys("p")  # the menu's &Paste
    c.field_becomes(VALUE, "23.5")
    c.fields_agree_with(12, "value", "23.5")


@scenario("the clipboard")
def copy_results_line(c):
    set_df(c, 12)
    c.replace_field(VALUE, "23.5")
    Input.keys("Tab", "ctrl+shift+c")
    line = wait_for(lambda: Clipboard.get().startswith("df=12"), 3) and Clipboard.get().split("\n")[0]
    # The command line's own line, to the byte; its numbers the reference's.
    printed = subprocess.run([c.p.path, "--df", "12", "--value", "23.5"], capture_output=True, text=True,
                             check=True).stdout.rstrip("\n")
    c.equal("results line", line, printed)
    ref = {k: v.replace(",", ".") for k, v in c.reference(12, "value", "23.5").items()}  # always the point
    c.equal("its numbers", line, "df=12  x=23.500000  P(X<=x)={cdf}  P(X>x)={upper}  f(x)={density}".format(**ref))


# ---------------------------------------------------------------- typing digit by digit

@scenario("typing")
def value_digit_by_digit(c):
    set_df(c, 12)
    c.p.focus_field(VALUE)
    Input.keys("ctrl+a", "BackSpace")
    for i, ch in enumerate("23.5"):
        Input.type(ch)
        c.field_becomes(VALUE, "23.5"[:i + 1])
    c.fields_agree_with(12, "value", "23.5")


@scenario("typing")
def cdf_digit_by_digit(c):
    set_df(c, 7)
    c.replace_field(CDF, "0.99")
    c.field_becomes(CDF, "0.99")
    c.fields_agree_with(7, "cdf", "0.99")


@scenario("typing")
def upper_tail_digit_by_digit(c):
    set_df(c, 10)
    c.replace_field(UPPER, "0.05")
    c.field_becomes(UPPER, "0.05")
    c.fields_agree_with(10, "upper", "0.05")
    c.field_becomes(VALUE, "18.307038")


@scenario("typing")
def an_upper_tail_with_seven_decimals(c):
    set_df(c, 1)
    c.replace_field(UPPER, "0.0000033")
    c.field_becomes(VALUE, c.reference(1, "upper", "0.0000033")["value"])


@scenario("typing")
def a_tail_below_every_real_clamps_when_left(c):
    set_df(c, 300)
    c.replace_field(UPPER, "0.9E-799999")
    Input.keys("Tab")
    c.field_becomes(UPPER, "0.000001")
    c.fields_agree_with(300, "upper", "0.000001")


@scenario("typing")
def a_letter_is_refused(c):
    c.replace_field(VALUE, "4")
    Input.type("x")
    time.sleep(0.2)
    c.field_becomes(VALUE, "4")


# ---------------------------------------------------------------- the freeze boxes

@scenario("the freeze boxes")
def clicking_the_value_box(c):
    c.p.click(KEEP_VALUE)
    c.becomes("value box", lambda: c.p.checked(KEEP_VALUE), True)
    c.becomes("cdf box", lambda: c.p.checked(KEEP_CDF), False)
    c.replace_field(VALUE, "4")
    Input.keys("Tab")
    set_df(c, 5)
    c.field_becomes(VALUE, "4")  # the value stays, the cdf follows it
    c.fields_agree_with(5, "value", "4")


@scenario("the freeze boxes")
def space_on_the_cdf_box(c):
    freeze(c, "value")
    c.p.click(KEEP_VALUE)  # the cdf frozen again, and the focus on the box
    c.becomes("value box", lambda: c.p.checked(KEEP_VALUE), False)
    Input.keys("space")  # the value frozen by the keyboard
    c.becomes("value box", lambda: c.p.checked(KEEP_VALUE), True)
    c.becomes("cdf box", lambda: c.p.checked(KEEP_CDF), False)
    Input.keys("Tab")  # to the cdf box
    c.becomes("focus", lambda: c.p.focused(KEEP_CDF), True)
    Input.keys("space")
    c.becomes("cdf box", lambda: c.p.checked(KEEP_CDF), True)
    c.becomes("value box", lambda: c.p.checked(KEEP_VALUE), False)
    c.replace_field(CDF, "0.95")
    Input.keys("Tab")
    set_df(c, 10)
    c.fields_agree_with(10, "frozen cdf", "0.95")


# ---------------------------------------------------------------- the degrees of freedom

@scenario("degrees of freedom")
def arrows_clicked(c):
    for _ in range(3):
        c.p.click("Increase")
    c.becomes("df", c.p.df, 4)
    c.fields_agree_with(4, "frozen cdf", "0.95")
    c.p.click("Decrease")
    c.becomes("df", c.p.df, 3)


@scenario("degrees of freedom")
def arrow_held_repeats(c):
    start = c.p.df()
    x, y = c.p.centre("Increase")
    Input.hold(x, y, 1.2)
    time.sleep(0.1)
    steps = c.p.df() - start
    # 400 ms to the first repeat, then one every 100 ms: about 9 steps.
    if not 5 <= steps <= 14:
        raise Failure(f"held for 1.2 s the arrow stepped {steps} times")
    c.fields_agree_with(c.p.df(), "frozen cdf", "0.95")


@scenario("degrees of freedom")
def wheel_and_keys(c):
    set_df(c, 20)
    x, y = c.p.centre(DF)
    Input.move(x, y)
    Input.click(x, y, button=4)
    c.becomes("df after a notch up", c.p.df, 21)
    Input.click(x, y, button=5, repeat=2)
    c.becomes("df after two notches down", c.p.df, 19)
    c.p.focus_field(DF)
    Input.keys("Up")
    c.becomes("df after Up", c.p.df, 20)
    Input.keys("Prior")
    c.becomes("df after Page Up", c.p.df, 30)
    Input.keys("Next", "Down")
    c.becomes("df after Page Down and Down", c.p.df, 19)
    c.fields_agree_with(19, "frozen cdf", "0.95")


@scenario("degrees of freedom")
def typed_df(c):
    set_df(c, 12)
    c.fields_agree_with(12, "frozen cdf", "0.95")


# ---------------------------------------------------------------- keys of the windows

@scenario("help and boxes")
def f1_then_escape(c):
    Input.keys("F1")
    help_window = wait_for(lambda: c.p.find_anywhere(lambda a: a.name == "Help text"), 3)
    if not help_window:
        raise Failure("F1 showed no help")
    Input.keys("Escape")
    c.becomes("help closed", lambda: c.p.find_anywhere(
        lambda a: a.name == "Help text" and a.getState().contains(pyatspi.STATE_SHOWING)) is None, True)


@scenario("help and boxes")
def f1_then_ctrl_w(c):
    Input.keys("F1")
    wait_for(lambda: c.p.find_anywhere(lambda a: a.name == "Help text"), 3)
    time.sleep(0.3)
    Input.keys("ctrl+w")
    c.becomes("help closed", lambda: c.p.find_anywhere(
        lambda a: a.name == "Help text" and a.getState().contains(pyatspi.STATE_SHOWING)) is None, True)


def error_box(c):
    return wait_for(lambda: c.p.find_anywhere(
        lambda a: a.getRole() in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG) and
        a.getState().contains(pyatspi.STATE_SHOWING)), 3)


def raise_error(c):
    c.replace_field(VALUE, "")
    Input.keys("BackSpace")
    Input.type("+")
    if not error_box(c):
        raise Failure("'+' brought no error box")


def box_gone(c):
    c.becomes("the box closed", lambda: c.p.find_anywhere(
        lambda a: a.getRole() in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG) and
        a.getState().contains(pyatspi.STATE_SHOWING)) is None, True)


@scenario("help and boxes")
def error_box_closed_with_return(c):
    raise_error(c)
    Input.keys("Return")
    box_gone(c)
    Input.type("5")  # the window is usable again, in the same field
    c.field_becomes(VALUE, "+5")
    c.fields_agree_with(1, "value", "5")


@scenario("help and boxes")
def error_box_closed_with_escape(c):
    raise_error(c)
    Input.keys("Escape")
    box_gone(c)
    Input.keys("BackSpace")  # the "+" is still there, and the field usable
    Input.type("2")
    c.field_becomes(VALUE, "2")
    c.fields_agree_with(1, "value", "2")


@scenario("help and boxes")
def error_box_closed_with_the_mouse(c):
    raise_error(c)
    ok = wait_for(lambda: c.p.find_anywhere(lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON and
                                           a.name.replace("&", "") == "OK"), 3)
    if not ok:
        raise Failure("the box has no OK button")
    e = ok.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    Input.click(e.x + e.width // 2, e.y + e.height // 2)
    box_gone(c)


# ---------------------------------------------------------------- the comma locale

@scenario("a German desktop", env=GERMAN)
def start_values_with_the_comma(c):
    c.field_becomes(CDF, "0,95")
    c.field_becomes(VALUE, "3,841459")


@scenario("a German desktop", env=GERMAN)
def typing_with_the_comma(c):
    set_df(c, 1)
    c.replace_field(UPPER, "0,01")
    c.field_becomes(UPPER, "0,01")
    c.fields_agree_with(1, "upper", "0.01")


@scenario("a German desktop", env=GERMAN)
def a_typed_point_is_the_decimal_comma(c):
    # 11.07 typed on a comma desktop is 11,07: the point is never dropped to
    # make 1107, which the window would clamp to 900.
    set_df(c, 5)
    c.replace_field(VALUE, "11.07")
    c.field_becomes(VALUE, "11,07")
    c.fields_agree_with(5, "value", "11.07")
    Input.type(".")  # a second point has no reading: refused
    time.sleep(0.2)
    c.field_becomes(VALUE, "11,07")


@scenario("a German desktop", env=GERMAN)
def captions_and_help_speak_german(c):
    # The desktop's language is the program's: the captions a sighted user
    # reads label the fields for a screen reader in German too, and F1
    # opens the German help.
    captions_label(c, (("  Chi-Quadrat-Wert : ", VALUE), ("Irrtumswahrscheinlichkeit : ", UPPER),
                       ("  Freiheitsgrade : ", DF)))
    Input.keys("F1")
    help_text = wait_for(lambda: c.p.find_anywhere(lambda a: a.name == "Hilfetext"), 3)
    if not help_text:
        raise Failure("F1 showed no help named 'Hilfetext'")
    c.becomes("the help's first line", lambda: help_text.queryText().getText(0, -1).split("\n")[0].strip(),
              "Willkommen bei Tarvik von Osterby !")
    Input.keys("Escape")
    c.becomes("help closed", lambda: c.p.find_anywhere(
        lambda a: a.name == "Hilfetext" and a.getState().contains(pyatspi.STATE_SHOWING)) is None, True)
    c.p.activate()


def note_of(c, name):
    return c.p.find(name).description


@scenario("a German desktop", env=GERMAN)
def a_pasted_point_number_is_marked_not_read(c):
    # Pasted, "11.07" is no number of this desktop: the box says so once,
    # the field says the results are still those of the last good number,
    # and leaving it brings that number back.
    c.p.focus_field(VALUE)
    Input.keys("ctrl+a")
    Clipboard.set("11.07")
    Input.keys("ctrl+v")
    time.sleep(0.4)
    Input.keys("Return")  # the box's OK
    # The note in the desktop's language, German.
    c.becomes("the note", lambda: note_of(c, VALUE).startswith("Keine Zahl: Die Ergebnisse gelten weiter für"), True)
    c.field_becomes(VALUE, "11.07")
    Input.keys("Tab")
    c.field_becomes(VALUE, "11,07")
    # Without a note a field's description is its tooltip: the precision tip.
    c.becomes("the note goes", lambda: note_of(c, VALUE).startswith("Keine Zahl"), False)


# ---------------------------------------------------------------- saving the chart

def open_save_dialog(c):
    """The chart's menu, its first entry: Save chart as."""
    c.p.click(CHART, button=3)
    time.sleep(0.4)
    Input.keys("Down", "Return")
    dialog = wait_for(lambda: c.p.find_anywhere(lambda a: a.getRole() == pyatspi.ROLE_DIALOG and
                                               a.name.startswith("Save chart as")), 5)
    if not dialog:
        raise Failure("no save dialog")
    time.sleep(0.5)
    return dialog


@scenario("saving the chart")
def save_chart_through_its_dialog(c):
    folder = tempfile.mkdtemp(prefix="tarvik-save-")
    path = os.path.join(folder, "chart.png")
    open_save_dialog(c)
    Input.keys("ctrl+a")
    Input.type(path)
    Input.keys("Return")
    if not wait_for(lambda: os.path.exists(path), 5):
        raise Failure("the chart was not saved")
    with open(path, "rb") as f:
        c.equal("PNG signature", f.read(8), b"\x89PNG\r\n\x1a\n")


@scenario("saving the chart")
def a_typed_svg_name_saves_an_svg_under_the_png_filter(c):
    # The dialog opens on the PNG filter; "chart1.svg" typed there is an SVG
    # drawing named chart1.svg, not a PNG named chart1.svg.png. The dialog
    # then opens in that folder the next time.
    folder = tempfile.mkdtemp(prefix="tarvik-save-")
    path = os.path.join(folder, "chart1.svg")
    open_save_dialog(c)
    Input.keys("ctrl+a")
    Input.type(path)
    Input.keys("Return")
    if not wait_for(lambda: os.path.exists(path), 5):
        raise Failure("chart1.svg was not saved: " + ", ".join(os.listdir(folder)))
    with open(path, "rb") as f:
        c.equal("an SVG drawing", f.read(5), b"<?xml")
    c.equal("no chart1.svg.png", os.path.exists(path + ".png"), False)
    dialog = open_save_dialog(c)
    from program import walk
    # The folder stands in the dialog's "Look in" box, which is read by its name.
    shown = [a.name for a in walk(dialog) if a.getRole() == pyatspi.ROLE_COMBO_BOX]
    shown += [a.queryText().getText(0, -1) for a in walk(dialog) if a.getRole() == pyatspi.ROLE_TEXT and _has_text(a)]
    Input.keys("Escape")
    if not any(folder in t for t in shown):
        raise Failure(f"the dialog did not open in {folder}: {shown}")


def _has_text(acc):
    try:
        acc.queryText()
        return True
    except NotImplementedError:
        return False


# ---------------------------------------------------------------- a screen reader's gestures

@scenario("a screen reader")
def toggle_action_on_a_freeze_box(c):
    c.p.do_action(KEEP_VALUE, "Toggle")
    c.becomes("value box", lambda: c.p.checked(KEEP_VALUE), True)
    c.becomes("cdf box", lambda: c.p.checked(KEEP_CDF), False)
    c.p.do_action(KEEP_CDF, "Toggle")
    c.becomes("cdf box", lambda: c.p.checked(KEEP_CDF), True)
    c.becomes("value box", lambda: c.p.checked(KEEP_VALUE), False)


@scenario("a screen reader")
def press_action_on_the_arrows(c):
    c.p.do_action("Increase", "Press")
    c.becomes("df", c.p.df, 2)
    c.fields_agree_with(2, "frozen cdf", "0.95")
    c.p.do_action("Decrease", "Press")
    c.becomes("df", c.p.df, 1)


@scenario("a screen reader")
def df_is_a_spin_button_with_its_range(c):
    spin = c.p.find(DF)
    c.equal("role", spin.getRole(), pyatspi.ROLE_SPIN_BUTTON)
    value = spin.queryValue()
    c.equal("range", (value.minimumValue, value.maximumValue), (1.0, 300.0))
    value.currentValue = 7.0
    c.becomes("df set through the value", c.p.df, 7)
    c.fields_agree_with(7, "frozen cdf", "0.95")


@scenario("a screen reader")
def setting_a_text_runs_its_chain(c):
    c.p.find(UPPER).queryEditableText().setTextContents("0.01")
    c.field_becomes(UPPER, "0.01")
    c.fields_agree_with(c.p.df(), "upper", "0.01")


def captions_label(c, pairs):
    """Each caption is the label a screen reader reads for its field."""
    for caption, field in pairs:
        relations = c.p.find(field).getRelationSet()
        labels = [r.getTarget(i).name for r in relations if r.getRelationType() == pyatspi.RELATION_LABELLED_BY
                  for i in range(r.getNTargets())]
        c.equal(f"{field} labelled by", labels, [caption])


@scenario("a screen reader")
def captions_label_their_fields(c):
    captions_label(c, (("  Chi-square value : ", VALUE), ("Upper tail probability : ", UPPER),
                       ("  Degrees of freedom : ", DF)))


@scenario("a screen reader")
def keyboard_reaches_the_density_and_the_chart_menu(c):
    c.p.click(KEEP_CDF)  # focus on the last box; then the density, then the chart
    Input.keys("Tab")
    c.becomes("density focused", lambda: c.p.focused(DENSITY_PREFIX + "*"), True)
    Input.keys("Tab")
    c.becomes("chart focused", lambda: c.p.focused(CHART), True)
    Clipboard.set("nothing yet")
    Input.keys("shift+F10")
    time.sleep(0.4)
    Input.keys("Down", "Down", "Return")  # Copy chart
    targets = wait_for(lambda: "image/png" in Clipboard.get_targets(), 3)
    if not targets:
        raise Failure("Shift+F10 and Copy chart put no picture on the clipboard")


@scenario("a screen reader")
def changes_are_announced(c):
    events = []
    listener = lambda e: events.append((e.type, e.source.name))  # noqa: E731
    pyatspi.Registry.registerEventListener(listener, "object:text-changed", "object:property-change:accessible-name",
                                           "object:property-change:accessible-value")
    try:
        c.replace_field(UPPER, "0.1")
        deadline = time.monotonic() + 3
        context = GLib.MainContext.default()
        while time.monotonic() < deadline and not any(name == VALUE for _, name in events):
            while context.iteration(False):
                pass
            time.sleep(0.05)
    finally:
        pyatspi.Registry.deregisterEventListener(listener, "object:text-changed",
                                                 "object:property-change:accessible-name",
                                                 "object:property-change:accessible-value")
    announced = {name for _, name in events}
    for wanted in (VALUE, CDF):
        if wanted not in announced:
            raise Failure(f"no event for {wanted!r}; events came from {sorted(announced)}")
    if not any(n.startswith(DENSITY_PREFIX) for n in announced):
        raise Failure(f"the density's change was not announced: {sorted(announced)}")


# ---------------------------------------------------------------- numbers and tables

@scenario("numbers and tables")
def show_numbers_as_scientific_from_the_keyboard(c):
    set_df(c, 1)
    c.replace_field(VALUE, "40")
    Input.keys("Return")
    c.field_becomes(UPPER, "0.000000")
    c.p.focus_field(UPPER)
    Input.keys("shift+F10")
    time.sleep(0.4)
    Input.keys("n")  # Show &numbers as
    time.sleep(0.3)
    Input.keys("c")  # S&cientific
    c.field_becomes(UPPER, "2.53963e-10")  # the p-value in the field itself
    c.field_becomes(CDF, "1.00000e+00")
    c.field_becomes(VALUE, "40")  # what was typed stays as typed
    c.p.focus_field(UPPER)
    Input.keys("shift+F10")
    time.sleep(0.4)
    Input.keys("n")
    time.sleep(0.3)
    Input.keys("d")  # back to &Decimals
    c.field_becomes(UPPER, "0.000000")


def table_window(c):
    return c.p.find_anywhere(lambda a: a.getRole() == pyatspi.ROLE_TABLE and a.name == "Critical values")


@scenario("numbers and tables")
def a_bad_list_leaves_no_stale_table_to_copy(c):
    c.p.focus_field(VALUE)
    Input.keys("ctrl+t")
    table = wait_for(lambda: table_window(c), 5)
    if not table:
        raise Failure("Ctrl+T opened no table")
    header = table.queryTable().getColumnDescription(0) or table.queryTable().getColumnHeader(0).name
    c.equal("the first column's header", header, "upper 0.10")
    edit = c.p.find_anywhere(lambda a: a.name == "Probabilities" and a.getRole() == pyatspi.ROLE_TEXT)
    e = edit.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    Input.click(e.x + e.width - 4, e.y + e.height // 2)
    Input.type(" x")
    copy = c.p.find_anywhere(lambda a: a.name == "Copy" and a.getRole() == pyatspi.ROLE_PUSH_BUTTON)
    c.becomes("Copy while the list is bad", lambda: copy.getState().contains(pyatspi.STATE_SENSITIVE), False)
    Input.keys("BackSpace", "BackSpace")
    c.becomes("Copy once it reads again", lambda: copy.getState().contains(pyatspi.STATE_SENSITIVE), True)
    Input.keys("Escape")


@scenario("numbers and tables")
def ctrl_t_opens_the_critical_values_and_escape_closes_them(c):
    c.p.focus_field(VALUE)
    Input.keys("ctrl+t")
    table = wait_for(lambda: table_window(c), 5)
    if not table:
        raise Failure("Ctrl+T opened no table named 'Critical values'")
    cells = table.queryTable()
    c.equal("rows", cells.nRows, 30)
    # df 10 at 0.05, read as a screen reader reads the cell.
    c.becomes("df 10 at 0.05", lambda: cells.getAccessibleAt(9, 1).name, c.reference(10, "upper", "0.05")["value"])
    Input.keys("Escape")
    c.becomes("closed", lambda: table_window(c) is None or
              not table_window(c).getState().contains(pyatspi.STATE_SHOWING), True)


# ---------------------------------------------------------------- power and sample size

POWER_TITLE = "Power and sample size - Tarvik"


def power_window(c):
    for w in c.p.windows():
        try:
            if w is not None and w.name == c.p.word(POWER_TITLE) and w.getState().contains(pyatspi.STATE_SHOWING):
                return w
        except Exception:  # noqa: BLE001 - a window closing under us
            continue
    return None


def in_power_window(c, predicate):
    from program import walk
    window = power_window(c)
    if window is None:
        raise Failure("the power window is not open")
    for acc in walk(window):
        try:
            if predicate(acc):
                return acc
        except Exception:  # noqa: BLE001
            continue
    return None


def power_control(c, name, role):
    acc = in_power_window(c, lambda a: a.name == c.p.word(name) and a.getRole() == role)
    if acc is None:
        raise Failure(f"the power window has no {name!r}")
    return acc


def power_text(c, name):
    return power_control(c, name, pyatspi.ROLE_TEXT).queryText().getText(0, -1)


def power_label(c, start):
    """The text of the label that starts so, as a screen reader reads it, or ''."""
    acc = in_power_window(c, lambda a: a.getRole() == pyatspi.ROLE_LABEL and a.name.startswith(start)
                          and a.getState().contains(pyatspi.STATE_SHOWING))
    return acc.name if acc else ""


def power_replace(c, name, text, role=pyatspi.ROLE_TEXT):
    """Click into a field of the power window, Ctrl+A, type."""
    e = power_control(c, name, role).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    Input.click(e.x + e.width - 6, e.y + e.height // 2)
    time.sleep(0.1)
    Input.keys("ctrl+a")
    Input.type(text)


def open_power_window(c):
    c.p.focus_field(VALUE)
    Input.keys("ctrl+shift+p")
    if not wait_for(lambda: power_window(c), 5):
        raise Failure("Ctrl+Shift+P opened no window titled " + repr(POWER_TITLE))


def reference_sample_size(c, df, w, alpha, power):
    out = subprocess.run([c.reference_path, "power", str(df), w, alpha, power], capture_output=True, text=True,
                         check=True).stdout.split()
    n, reached = out[0], out[1]
    return n, reached.replace(".", ",") if c.comma else reached


def typed(c, number):
    return number.replace(".", ",") if c.comma else number


def solve_sample_size_by_typing(c):
    open_power_window(c)
    power_replace(c, DF, "2", pyatspi.ROLE_SPIN_BUTTON)
    Input.keys("Tab")
    power_replace(c, "Effect size w", typed(c, "0.3"))
    power_replace(c, "Significance level alpha", typed(c, "0.05"))
    power_replace(c, "Power", typed(c, "0.8"))
    n, reached = reference_sample_size(c, 2, "0.3", "0.05", "0.8")
    c.becomes("N", lambda: power_text(c, "Total sample size N"), n)
    results = power_label(c, "\u03bb = N w\u00b2")
    if c.p.word("power reached at N = {n}: {power}").format(n=n, power=reached) not in results:
        raise Failure(f"the results line says {results!r}, want the power {reached} reached at N = {n}")


@scenario("power and sample size")
def ctrl_shift_p_then_typing_w_alpha_and_power_solves_n(c):
    solve_sample_size_by_typing(c)


@scenario("power and sample size")
def a_power_below_alpha_is_named_and_mends(c):
    n, _ = reference_sample_size(c, 2, "0.3", "0.05", "0.8")
    power_replace(c, "Power", "0.01")
    c.becomes("problem", lambda: power_label(c, "Power must"), "Power must be above alpha.")
    c.equal("N keeps its last answer", power_text(c, "Total sample size N"), n)
    if not power_label(c, "Still for the last good numbers"):
        raise Failure("the results line does not say it is for the last good numbers")
    power_replace(c, "Power", "0.9")
    n9, _ = reference_sample_size(c, 2, "0.3", "0.05", "0.9")
    c.becomes("N at power 0.9", lambda: power_text(c, "Total sample size N"), n9)
    c.becomes("problem gone", lambda: power_label(c, "Power must"), "")


@scenario("power and sample size")
def solving_for_the_power_from_the_keyboard(c):
    n, reached = reference_sample_size(c, 2, "0.3", "0.05", "0.8")
    # A combo box is read by its current choice (its caption is its label).
    solve = power_control(c, "Sample size N", pyatspi.ROLE_COMBO_BOX)
    e = solve.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    Input.click(e.x + e.width // 2, e.y + e.height // 2)  # opens the list
    time.sleep(0.4)
    Input.keys("Down", "Return")  # Sample size N -> Power
    power_replace(c, "Total sample size N", n)
    c.becomes("the power at the reference's N", lambda: power_text(c, "Power"), reached)
    Input.keys("Escape")
    c.becomes("closed", lambda: power_window(c) is None, True)


@scenario("power and sample size")
def escape_closes_the_drop_down_first_and_f1_opens_the_help_at_the_power(c):
    open_power_window(c)
    solve = in_power_window(c, lambda a: a.getRole() == pyatspi.ROLE_COMBO_BOX)
    e = solve.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    Input.click(e.x + e.width // 2, e.y + e.height // 2)  # opens the list
    time.sleep(0.4)
    Input.keys("Escape")
    time.sleep(0.4)
    c.equal("the window after Escape on its open drop-down", power_window(c) is not None, True)
    Input.keys("F1")
    help_text = wait_for(lambda: c.p.find_anywhere(
        lambda a: a.name == "Help text" and a.getState().contains(pyatspi.STATE_SHOWING)), 3)
    if not help_text:
        raise Failure("F1 in the power window showed no help")
    text = help_text.queryText()
    c.becomes("the help's caret at the power paragraph",
              lambda: text.getText(text.caretOffset, text.caretOffset + 25), "  * Power and sample size")
    Input.keys("Escape")
    c.becomes("help closed", lambda: c.p.find_anywhere(
        lambda a: a.name == "Help text" and a.getState().contains(pyatspi.STATE_SHOWING)) is None, True)


@scenario("a German desktop", env=GERMAN)
def power_and_sample_size_with_the_comma(c):
    solve_sample_size_by_typing(c)


def mcnemar_pairs_by_typing(c):
    open_power_window(c)
    # A click into the window first: opened before, it may not have the focus.
    power_replace(c, "Significance level alpha", typed(c, "0.05"))
    Input.keys("alt+e")  # the Design choice, by its mnemonic in both languages
    time.sleep(0.3)
    Input.keys("Down")  # Cohen's w -> McNemar's test
    Input.keys(c.p.word("alt+s"))
    time.sleep(0.3)
    Input.keys("Home")  # solve for the sample size, whatever was solved before
    p10 = "Discordant proportion p10, yes then no"
    c.becomes("McNemar's fields shown", lambda: in_power_window(
        c, lambda a: a.name == c.p.word(p10) and a.getState().contains(pyatspi.STATE_SHOWING)) is not None, True)
    power_replace(c, p10, typed(c, "0.25"))
    power_replace(c, "Discordant proportion p01, no then yes", typed(c, "0.1"))
    power_replace(c, "Power", typed(c, "0.8"))
    n, _, exact = subprocess.run([c.reference_path, "mcnemar", "0.25", "0.1", "0.05", "0.8"], capture_output=True,
                                 text=True, check=True).stdout.split()
    c.becomes("pairs", lambda: power_text(c, "Number of pairs N"), n)
    want = c.p.word("exact (binomial) test's power at N = {n}: {power}").format(n=n, power=typed(c, exact))
    c.becomes("the exact test's power in the results", lambda: want in power_label(c, "w = |p10"), True)


@scenario("power and sample size")
def mcnemar_design_chosen_by_keyboard_solves_the_pairs(c):
    mcnemar_pairs_by_typing(c)


@scenario("a German desktop", env=GERMAN)
def mcnemar_design_with_the_comma(c):
    mcnemar_pairs_by_typing(c)
    Input.keys("Escape")


# ---------------------------------------------------------------- no silent answers

@scenario("no silent answers")
def a_clamp_shows_while_typing(c):
    # 5e-8 lies below the window's probabilities: the field says at once what
    # it is read as, before it is left, and screen readers hear it.
    set_df(c, 1)
    c.replace_field(UPPER, "5e-8")
    c.becomes("the clamp's note", lambda: c.p.find(UPPER).description.startswith("Read as 0.000001"), True)
    c.field_becomes(UPPER, "5e-8")
    Input.keys("Tab")
    c.field_becomes(UPPER, "0.000001")
    c.becomes("the note goes", lambda: c.p.find(UPPER).description.startswith("Read as"), False)


@scenario("no silent answers")
def every_bad_paste_is_marked_the_same_way(c):
    for name, text in ((VALUE, "abc"), (UPPER, "foo")):
        before = c.p.texts()
        c.p.focus_field(name)
        Input.keys("ctrl+a")
        Clipboard.set(text)
        Input.keys("ctrl+v")
        time.sleep(0.4)
        Input.keys("Return")  # the box's OK, for each bad text
        c.becomes(f"{name}'s note", lambda: c.p.find(name).description.startswith("Not a number"), True)
        c.field_becomes(name, text)
        Input.keys("Tab")
        c.field_becomes(name, before[name])
        c.becomes("the note goes", lambda: c.p.find(name).description.startswith("Not a number"), False)


# ---------------------------------------------------------------- test a table

COUNTS_TITLE = "Test a table - Tarvik"


def counts_window(c):
    return next((w for w in c.p.windows() if w is not None and w.name == c.p.word(COUNTS_TITLE)), None)


def counts_label(c, start):
    """The text of the table window's label that starts so, or ''."""
    from program import walk
    window = counts_window(c)
    if window is None:
        raise Failure("the table window is not open")
    for acc in walk(window):
        try:
            if acc.getRole() == pyatspi.ROLE_LABEL and acc.name.startswith(start) and \
                    acc.getState().contains(pyatspi.STATE_SHOWING):
                return acc.name
        except Exception:  # noqa: BLE001 - a label rewritten under us
            continue
    return ""


def exact_chi_square(table):
    """Pearson's statistic in exact rational arithmetic, to six decimals."""
    from fractions import Fraction
    rows = [sum(r) for r in table]
    columns = [sum(col) for col in zip(*table)]
    n = sum(rows)
    chi2 = sum(Fraction((n * o - rows[i] * columns[j]) ** 2, n * rows[i] * columns[j])
               for i, r in enumerate(table) for j, o in enumerate(r))
    whole, rest = divmod(chi2 * 10 ** 6 * 2 + 1, 2 * 10 ** 6)  # rounded half up
    return f"{whole}.{int(rest // 2):06d}"


def paste_a_table_and_send_it_to_the_calculator(c):
    table = [[20, 15, 25], [30, 25, 10]]
    c.p.focus_field(VALUE)
    Input.keys("ctrl+shift+t")
    if not wait_for(lambda: counts_window(c), 5):
        raise Failure("Ctrl+Shift+T opened no window titled " + repr(COUNTS_TITLE))
    from program import walk
    grid = next(a for a in walk(counts_window(c)) if a.name == c.p.word("Counts"))
    e = grid.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    Input.click(e.x + e.width // 2, e.y + e.height // 4)
    Clipboard.set("\tA\tB\tC\nmen\t20\t15\t25\nwomen\t30\t25\t10\n")
    Input.keys("ctrl+v")
    chi2 = exact_chi_square(table)
    want = c.reference(2, "value", chi2)  # the upper tail at that statistic, from Boost
    line = f"Pearson \u03c7\u00b2 = {typed(c, chi2)}, df = 2, p = {want['upper']}"
    c.becomes("the Pearson line", lambda: counts_label(c, "Pearson").split("\n")[0], line)
    # R's fisher.test gives 0.00493384248236366 for this table.
    c.becomes("Fisher's exact p", lambda: counts_label(c, c.p.word("Fisher's exact p")),
              c.p.word("Fisher's exact p = {p}").format(p=typed(c, '0.004934')), timeout=10)
    Input.keys(c.p.word("alt+c"))  # Into the calculator
    c.becomes("df", c.p.df, 2)
    c.field_becomes(VALUE, typed(c, chi2))
    c.fields_agree_with(2, "value", chi2)


@scenario("test a table")
def a_pasted_block_is_tested_and_goes_into_the_calculator(c):
    paste_a_table_and_send_it_to_the_calculator(c)


@scenario("test a table")
def ctrl_z_takes_the_paste_back_and_ctrl_shift_z_brings_it_again(c):
    Input.keys("ctrl+shift+t")
    if not wait_for(lambda: counts_window(c), 5):
        raise Failure("Ctrl+Shift+T did not bring the table window back")
    from program import walk
    grid = next(a for a in walk(counts_window(c)) if a.name == c.p.word("Counts"))
    e = grid.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    Input.click(e.x + e.width // 2, e.y + e.height // 4)
    pearson = counts_label(c, "Pearson")
    if not pearson:
        raise Failure("no Pearson line to take back")
    Input.keys("ctrl+z")
    c.becomes("the Pearson line after Ctrl+Z", lambda: counts_label(c, "Pearson"), "")
    Input.keys("ctrl+shift+z")
    c.becomes("the Pearson line after Ctrl+Shift+Z", lambda: counts_label(c, "Pearson"), pearson)
    # Ctrl+Shift+C: the test as a results section writes it.
    Input.keys("ctrl+shift+c")
    c.becomes("the sentence copied", Clipboard.get, "\u03c7\u00b2(2, N = 125) = 10.75, p = .005, V = 0.29")


@scenario("test a table")
def ctrl_o_opens_a_file_typed_into_the_dialog(c):
    table = [[12, 7, 3], [4, 9, 15]]
    folder = tempfile.mkdtemp()
    path = os.path.join(folder, "survey.csv")
    with open(path, "w", encoding="utf-8") as f:
        f.write("\ufeff,low,mid,high\nA,12,7,3\nB,4,9,15\n")  # as a spreadsheet saves it
    Input.keys("ctrl+shift+t")
    if not wait_for(lambda: counts_window(c), 5):
        raise Failure("Ctrl+Shift+T did not bring the table window back")
    Input.keys("ctrl+o")
    time.sleep(1.0)
    Input.type(path)
    Input.keys("Return")
    chi2 = exact_chi_square(table)
    want = c.reference(2, "value", chi2)
    c.becomes("the Pearson line of the opened file", lambda: counts_label(c, "Pearson").split("\n")[0],
              f"Pearson \u03c7\u00b2 = {typed(c, chi2)}, df = 2, p = {want['upper']}", timeout=5)


def paste_into_the_counts(c, text):
    from program import walk
    grid = next(a for a in walk(counts_window(c)) if a.name == c.p.word("Counts"))
    e = grid.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    Input.click(e.x + e.width // 2, e.y + e.height // 4)
    Clipboard.set(text)
    Input.keys("ctrl+v")


@scenario("test a table")
def paired_choice_tests_by_mcnemar_and_mosaic_is_copied(c):
    Input.keys("ctrl+shift+t")
    if not wait_for(lambda: counts_window(c), 5):
        raise Failure("Ctrl+Shift+T did not bring the table window back")
    paste_into_the_counts(c, "\tafter yes\tafter no\nbefore yes\t10\t12\nbefore no\t3\t20\n")
    Input.keys("alt+p")  # Paired
    # McNemar's statistic (b - c)^2 / (b + c) = 81/15, exactly 5.4; its p from the reference.
    p = c.reference(1, "value", "5.4")["upper"]
    c.becomes("the discordant pairs named", lambda: counts_label(c, "Discordant").split("\n")[0],
              "Discordant pairs: 12 before yes \u2192 after no, 3 before no \u2192 after yes")
    c.becomes("McNemar's line", lambda: counts_label(c, "Discordant").split("\n")[1].split(";")[0],
              f"McNemar \u03c7\u00b2 = 5.400000, df = 1, p = {p}")
    Input.keys("alt+p")  # back to a test of independence
    c.becomes("Pearson's line again", lambda: counts_label(c, "Pearson") != "", True)
    Input.keys("alt+m")
    mosaic = lambda: next((w for w in c.p.windows() if w is not None and w.name == "Mosaic - Tarvik"), None)  # noqa: E731
    if not wait_for(mosaic, 5):
        raise Failure("Alt+M opened no window titled 'Mosaic - Tarvik'")
    Input.keys("alt+c")  # Copy picture
    c.becomes("a picture on the clipboard", lambda: "image/png" in Clipboard.get_targets(), True)
    Input.keys("Escape")
    c.becomes("the mosaic closed", lambda: mosaic() is None or not mosaic().getState().contains(pyatspi.STATE_SHOWING),
              True)


VARIANCE_TITLE = "One variance - Tarvik"


@scenario("one variance")
def ctrl_shift_v_gives_the_variance_interval_and_test(c):
    """n 20 and s² 4.2 as typed: 19 × 4.2 over each chi-square quantile
    (from the reference) bounds σ²; σ0² 3 gives the statistic 26.6."""
    c.p.focus_field(VALUE)
    Input.keys("ctrl+shift+v")
    window = lambda: next((w for w in c.p.windows() if w is not None and w.name == c.p.word(VARIANCE_TITLE)), None)  # noqa: E731
    if not wait_for(window, 5):
        raise Failure("Ctrl+Shift+V opened no window titled " + repr(VARIANCE_TITLE) + "; windows: " +
                      repr([w.name for w in c.p.windows() if w is not None]))
    Input.keys("alt+t")
    Input.type("3")
    from program import walk
    from decimal import Decimal, ROUND_HALF_EVEN

    def results():
        for acc in walk(window()):
            if acc.getRole() == pyatspi.ROLE_LABEL and acc.name.startswith("df ="):
                return acc.name
        return ""
    low_q = Decimal(c.reference(19, "cdf", "0.025")["value"])
    high_q = Decimal(c.reference(19, "upper", "0.025")["value"])
    # Six decimals of the quantiles bound the interval's ends to about 1e-6
    # relative: compared at four.
    ends = [(Decimal("79.8") / q).quantize(Decimal("0.0001"), ROUND_HALF_EVEN) for q in (high_q, low_q)]
    c.becomes("the interval's ends", lambda: [Decimal(x).quantize(Decimal("0.0001"))
                                               for x in results().split("\n")[1].split(": ")[1].split(" to ")], ends)
    c.becomes("the statistic", lambda: results().split("\n")[3].endswith("= 26.600000"), True)
    Input.keys("Escape")
    c.becomes("closed", lambda: window() is None or not window().getState().contains(pyatspi.STATE_SHOWING), True)


@scenario("a German desktop", env=GERMAN)
def a_table_with_the_comma(c):
    paste_a_table_and_send_it_to_the_calculator(c)
