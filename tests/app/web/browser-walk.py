#!/usr/bin/python3
"""The web view as a person meets it, in headless Chromium driven by chromedriver: the login
with the token, the overview, a tag's page with its chart and table, no script or style the
Content-Security-Policy blocks.

    browser-walk.py VESTRA_WEB VESTRA_CLI DATA_FOLDER [--screenshots FOLDER]

The history is made by `vestra-cli history add DATA_FOLDER`, in a SQLite file and, when
VESTRA_TEST_POSTGRESQL names the test run's server, in a database of it too. With --screenshots
the overview and the tag page (of the SQLite walk) are saved as docs' pictures. Exit 77
(skipped) without the browser packages.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.common.exceptions import TimeoutException
    from selenium.webdriver.common.by import By
    from selenium.webdriver.support.ui import WebDriverWait
except ImportError:
    print("python3-selenium is missing (bash tools/install-deps.sh --tests)")
    sys.exit(77)

CHROMIUM = "/usr/bin/chromium"
DRIVER = "/usr/bin/chromedriver"
TOKEN = "browser-walk-token-0123456789"


def check(condition, what):
    if not condition:
        raise AssertionError(what)


# A click that submits a form or follows a link returns before the next page and its pictures
# have come: wait (at most 10 s) until the test holds.
def eventually(driver, test):
    try:
        WebDriverWait(driver, 10).until(test)
        return True
    except TimeoutException:
        return False


def start_server(web, db, folder):
    with open(os.path.join(folder, "token"), "w") as f:
        f.write(TOKEN + "\n")
    log = open(os.path.join(folder, "log"), "w")
    server = subprocess.Popen([web, "--db", db, "--listen", "127.0.0.1:0", "--token-file",
                               os.path.join(folder, "token"), "--base-path", "/plant"],
                              stderr=log)
    for _ in range(200):
        found = re.search(r"listening on 127\.0\.0\.1:(\d+)\n", open(log.name).read())
        if found:
            return server, int(found.group(1)), log.name
        time.sleep(0.05)
    server.terminate()
    raise AssertionError("the server did not start: " + open(log.name).read())


def browser():
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    for argument in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage",
                     "--window-size=1400,800", "--lang=ja"):
        options.add_argument(argument)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = webdriver.Chrome(service=Service(DRIVER), options=options)
    driver.implicitly_wait(5)  # an element of a page still coming is looked for again
    return driver


def walk(driver, base, screenshots):
    driver.get(base + "/")
    check(driver.current_url == base + "/login", "no login page first: " + driver.current_url)
    driver.find_element(By.NAME, "token").send_keys(TOKEN)
    driver.find_element(By.CSS_SELECTOR, "button[type=submit]").click()
    check(eventually(driver, lambda d: d.current_url == base + "/"),
          "the login did not lead to the overview")
    rows = driver.find_elements(By.CSS_SELECTOR, "main table tr")
    check(len(rows) == 5, "overview rows: %d" % len(rows))
    check("notable" in rows[1].get_attribute("class"), "the low alarm is not listed first")
    low = rows[1].find_element(By.CSS_SELECTOR, "td.low")
    check(low.value_of_css_property("color") == "rgba(208, 0, 0, 1)" or
          low.value_of_css_property("color") == "rgba(0, 0, 208, 1)", "the alarm has no colour")
    if screenshots:
        driver.save_screenshot(os.path.join(screenshots, "screenshot-web-overview.png"))

    rows[1].find_element(By.LINK_TEXT, "BOILER").click()
    check(eventually(driver, lambda d: "/plant/tag?name=BOILER" in d.current_url),
          "no tag page: " + driver.current_url)
    chart = driver.find_element(By.CSS_SELECTOR, "img.chart")
    natural_width = "return arguments[0].naturalWidth"
    check(eventually(driver, lambda d: d.execute_script(natural_width, chart) == 800),
          "the chart did not load (width %s)" % driver.execute_script(natural_width, chart))
    readings = driver.find_elements(By.CSS_SELECTOR, "main table tr")
    check(len(readings) == 4, "tag rows: %d" % len(readings))
    check("入口" in readings[1].text, "the first reading's remark is missing")
    if screenshots:
        driver.save_screenshot(os.path.join(screenshots, "screenshot-web-tag.png"))

    blocked = [entry["message"] for entry in driver.get_log("browser")
               if entry["level"] == "SEVERE" or "Content Security Policy" in entry["message"]]
    check(not blocked, "the browser complained: %s" % blocked)


# The databases to walk: a SQLite file, and a database of the test run's PostgreSQL server when
# VESTRA_TEST_POSTGRESQL names one (made here, dropped after).
def databases(folder):
    yield os.path.join(folder, "history.sqlite")
    server = os.environ.get("VESTRA_TEST_POSTGRESQL")
    if not server:
        return
    name = "vestra_browser_%d" % os.getpid()
    subprocess.run(["psql", "-q", server + "/postgres", "-c", "CREATE DATABASE " + name],
                   check=True)
    try:
        yield server + "/" + name
    finally:
        subprocess.run(["psql", "-q", server + "/postgres", "-c", "DROP DATABASE " + name],
                       check=True)


def main():
    if not (os.access(CHROMIUM, os.X_OK) and os.access(DRIVER, os.X_OK)):
        print("chromium or chromium-driver is missing (bash tools/install-deps.sh --tests)")
        return 77
    web, cli, data = sys.argv[1:4]
    screenshots = sys.argv[5] if len(sys.argv) > 5 and sys.argv[4] == "--screenshots" else None
    with tempfile.TemporaryDirectory(prefix="vestra-browser-") as folder:
        env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(folder, "config"),
                   XDG_DATA_HOME=os.path.join(folder, "data"))
        # The files are added from a folder of the test's own, the source column's text.
        shutil.copytree(data, os.path.join(folder, "点検"))
        walked = []
        for db in databases(folder):
            subprocess.run([cli, "history", "--db", db, "add", os.path.join(folder, "点検")],
                           env=env, check=True, stdout=subprocess.DEVNULL)
            server, port, log = start_server(web, db, folder)
            driver = None
            try:
                driver = browser()
                walk(driver, "http://127.0.0.1:%d/plant" % port, screenshots)
            finally:
                if driver:
                    driver.quit()
                server.terminate()
                server.wait(10)
            check(TOKEN not in open(log).read(), "the token is in the log")
            walked.append("PostgreSQL" if db.startswith("postgresql:") else "SQLite")
            screenshots = None  # the pictures are of the first walk
    print("browser walk (%s): overview, login, tag page, chart and table as expected"
          % ", ".join(walked))
    return 0


if __name__ == "__main__":
    sys.exit(main())
