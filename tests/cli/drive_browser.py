"""The browser's part of a sign-in: open the address in headless Chromium, fill in the form,
submit it, and print the text of the page the browser ends on.

Usage: drive_browser.py URL EMAIL PASSWORD PROFILE_DIR
"""
import sys

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

url, email, password, profile = sys.argv[1:5]
options = webdriver.ChromeOptions()
options.binary_location = "/usr/bin/chromium"
for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                 "--no-first-run", "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--disable-extensions", "--disable-default-apps",
                 f"--user-data-dir={profile}"):
    options.add_argument(argument)
driver = webdriver.Chrome(service=Service(executable_path="/usr/bin/chromedriver"), options=options)
try:
    driver.get(url)
    driver.find_element(By.ID, "email").send_keys(email)
    driver.find_element(By.ID, "password").send_keys(password)
    driver.find_element(By.ID, "submit").click()
    WebDriverWait(driver, 20).until(
        lambda d: "Authentication complete!" in d.page_source or d.find_elements(By.ID, "error"))
    print(driver.current_url.split("?")[0])
    print(driver.find_element(By.TAG_NAME, "body").text)
finally:
    driver.quit()
