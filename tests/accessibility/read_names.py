#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# What a screen reader reads of the running program: finds it on the accessibility bus,
# reads the names of the main window's controls, types a birth date through the fields'
# editable text, presses 表示 and reads the chart's name and description.
import sys
import time

import pyatspi

EXPECTED = ["誕生日の年", "誕生日の月", "誕生日の日", "表示する年", "表示する月", "氏名",
            "誕生日の年号 西暦", "誕生日の年号 令和", "表示の年号 西暦", "表示の年号 大正",
            "氏名を消す", "誕生日を消す", "表示年月を消す", "表示", "前月", "翌月", "今月"]


def find_application(name, seconds):
    deadline = time.time() + seconds
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    return None


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def by_name(nodes, name):
    return next((n for n in nodes if n.name == name), None)


def main():
    app = find_application(sys.argv[1], 30)
    if app is None:
        print("the program is not on the accessibility bus")
        return 1
    frame = next(w for w in app if w.name == "Quorvel 3.7")
    nodes = list(descendants(frame))
    names = [n.name for n in nodes]
    missing = [n for n in EXPECTED if n not in names]
    if missing:
        print("names not read out:", missing, "read:", names)
        return 1
    print("read", len(EXPECTED), "control names, among them", ", ".join(EXPECTED[:3]))

    for field, text in (("誕生日の年", "1985"), ("誕生日の月", "4"), ("誕生日の日", "12"),
                        ("氏名", "山田花子")):
        by_name(nodes, field).queryEditableText().setTextContents(text)
    show = next(n for n in nodes if n.name == "表示" and n.getRole() == pyatspi.ROLE_PUSH_BUTTON)
    show.queryAction().doAction(0)

    deadline = time.time() + 10
    while time.time() < deadline:
        charts = [n for n in descendants(frame) if n.getRole() == pyatspi.ROLE_CHART]
        if charts and charts[0].name.startswith("山田花子さんの") and "生後" in charts[0].description:
            print("chart:", charts[0].name)
            print("description:", charts[0].description.replace("\n", " / "))
            return 0
        time.sleep(0.2)
    print("no chart read out:", [(n.name, n.description) for n in descendants(frame)
                                 if n.getRole() == pyatspi.ROLE_CHART])
    return 1


sys.exit(main())
